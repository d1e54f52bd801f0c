// The main window as created, before its load: checked control by control against a table.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "window/design/feuille_ormane.h"
#include "window/model/session.h"
#include "window/platform/headless/headless_platform.h"

namespace ormane::window {
namespace {

using ::testing::ElementsAre;

constexpr int kSeul = -1;  // not an array member
constexpr int kSans = -9;  // no Value: neither an option button nor a check box

struct Row {
    const char* name;
    int index;
    Kind kind;
    const char* container;  // "" for the window itself
    const char* content;    // caption, or text of text and combo boxes
    bool visible;
    int value;  // option: 1 selected / 0 not; check box: its value
};

constexpr Kind kText = Kind::TextBox, kCombo = Kind::ComboBox, kOption = Kind::OptionButton,
               kCheck = Kind::CheckBox, kLabel = Kind::Label, kFrame = Kind::Frame,
               kButton = Kind::CommandButton;

const Row kRows[] = {
    // Directly in the window.
    {"OptionReplique", 0, kOption, "", "&Replication", true, 1},
    {"OptionReplique", 1, kOption, "", "&Future experiment with cell counts multiplied by ", true,
     0},
    {"Textec", kSeul, kText, "", "1", false, kSans},
    {"Etidf", 1, kLabel, "", "and degrees of freedom =", false, kSans},
    {"TextedfR", kSeul, kText, "", "", false, kSans},
    {"OptionIC", 1, kCheck, "", "&Prediction intervals ", true, 0},
    {"TexteGarantie", 1, kCombo, "", "95", true, kSans},
    {"Eti2", 5, kLabel, "", "%", true, kSans},
    {"CadreDonnees", kSeul, kFrame, "", " Data ", true, kSans},
    {"CadreIntervalle", 0, kFrame, "", " Student t/two-tailed p in a replication", false, kSans},
    {"CadreIntervalle", 1, kFrame, "", " effect size in a replication ", false, kSans},
    {"CadreIntervalle", 2, kFrame, "", " confidence limits in a replication ", false, kSans},
    {"EtiRepliqued", kSeul, kLabel, "",
     "prep = probability of finding a same-sign effect in a replication", true, kSans},
    {"EtiPrep", kSeul, kLabel, "", "", true, kSans},
    {"CasePsrep", kSeul, kCheck, "",
     "psrep = probability of finding a same-sign and significant at the alpha level effect in "
     "a replication",
     true, 0},
    {"EtiPrept", kSeul, kLabel, "", "", false, kSans},
    {"Etialpha", kSeul, kLabel, "", "a", false, kSans},
    {"Textealpha", kSeul, kCombo, "", "Combo1", false, kSans},
    {"CadreAlpha", kSeul, kFrame, "", "Frame1", false, kSans},
    {"CasePreprep", kSeul, kCheck, "",
     "preprep = probability of finding a same-sign effect with prep > gamma  in a replication",
     true, 0},
    {"EtiPreprep", kSeul, kLabel, "", "", false, kSans},
    {"EtiGamma", kSeul, kLabel, "", "g", false, kSans},
    {"TexteGamma", kSeul, kCombo, "", "Combo1", false, kSans},
    {"EtiDecimales", kSeul, kLabel, "", "decimals 3", true, kSans},
    {"EtiEtat", kSeul, kLabel, "", "", true, kSans},
    {"CaseAutomatique", kSeul, kCheck, "", "auto&Matic computation", true, 1},
    {"BoutonCalculer", kSeul, kButton, "", "&Compute", true, kSans},
    {"BoutonAide", kSeul, kButton, "", "", true, kSans},
    {"BoutonKprime", kSeul, kButton, "", "", true, kSans},
    {"BoutonQuitter", kSeul, kButton, "", "e&Xit", true, kSans},
    {"boutonOK", kSeul, kButton, "", "co&Py prep to clipboard", true, kSans},
    // Inside the frames.
    {"Etidf", 0, kLabel, "CadreDonnees", "degrees of freedom", true, kSans},
    {"Textedf", kSeul, kText, "CadreDonnees", "", true, kSans},
    {"Optiont", 1, kOption, "CadreDonnees", "t", true, 0},
    {"Optiont", 2, kOption, "CadreDonnees", "F", true, 0},
    {"Optiont", 3, kOption, "CadreDonnees", "two-tailed p", true, 0},
    {"Optiont", 4, kOption, "CadreDonnees", "one-tailed p", true, 0},
    {"Textet", 1, kText, "CadreDonnees", "", true, kSans},
    {"Textet", 2, kText, "CadreDonnees", "", true, kSans},
    {"Textet", 3, kText, "CadreDonnees", "", true, kSans},
    {"Textet", 4, kText, "CadreDonnees", "", true, kSans},
    {"OptionIC", 0, kCheck, "CadreDonnees", "inter&Val estimate", true, 0},
    {"TexteGarantie", 0, kCombo, "CadreDonnees", "95", true, kSans},
    {"Eti2", 2, kLabel, "CadreDonnees", "%", true, kSans},
    {"EtiIC", 0, kLabel, "CadreDonnees", "", false, kSans},
    {"CadreEffet", kSeul, kFrame, "CadreDonnees", " observed effect size ", false, kSans},
    {"OptionEffet", 0, kOption, "CadreEffet", "&Standardized (Cohen's d)", true, 1},
    {"TexteEffet", 0, kText, "CadreEffet", "", true, kSans},
    {"OptionEffet", 1, kOption, "CadreEffet", "&Unstandardized (raw effect)", true, 0},
    {"TexteEffet", 1, kText, "CadreEffet", "", false, kSans},
    {"Eti2", 0, kLabel, "CadreIntervalle(0)", "t", true, kSans},
    {"EtiICt", 1, kLabel, "CadreIntervalle(0)", "", true, kSans},
    {"Eti2", 1, kLabel, "CadreIntervalle(0)", "p", true, kSans},
    {"EtiICt", 2, kLabel, "CadreIntervalle(0)", "", true, kSans},
    {"EtiIC", 1, kLabel, "CadreIntervalle(1)", "", true, kSans},
    {"EtiICL", 1, kLabel, "CadreIntervalle(2)", "", true, kSans},
    {"EtiL", 1, kLabel, "CadreIntervalle(2)", "Llow", true, kSans},
    {"EtiICL", 2, kLabel, "CadreIntervalle(2)", "", true, kSans},
    {"EtiL", 2, kLabel, "CadreIntervalle(2)", "Lupp", true, kSans},
    {"OptionAlpha", 0, kOption, "CadreAlpha", "two-tailed ", true, 1},
    {"OptionAlpha", 1, kOption, "CadreAlpha", "one-tailed ", true, 0},
};

class FeuilleOrmaneDesign : public ::testing::Test {
  protected:
    FeuilleOrmaneDesign() : session(platform.services()), feuille(creeFeuilleOrmane(session)) {}
    platform::HeadlessPlatform platform;
    Session session;
    std::unique_ptr<FeuilleOrmane> feuille;
};

TEST_F(FeuilleOrmaneDesign, EveryControlMatchesTheDesignTable) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.name) + "(" + std::to_string(row.index) + ")");
        Control& control = row.index == kSeul
                               ? feuille->control(row.name)
                               : feuille->control(row.name, static_cast<std::int16_t>(row.index));
        EXPECT_EQ(control.kind(), row.kind);
        EXPECT_EQ(control.container() ? control.container()->displayName() : "", row.container);
        EXPECT_EQ(control.visible(), row.visible);
        EXPECT_TRUE(control.enabled());
        if (auto* text = dynamic_cast<TextControl*>(&control)) {
            EXPECT_EQ(text->text(), row.content);
        } else {
            EXPECT_EQ(dynamic_cast<CaptionedControl&>(control).caption(), row.content);
        }
        if (auto* option = dynamic_cast<OptionButton*>(&control)) {
            EXPECT_EQ(option->value(), row.value == 1 ? Vrai : Faux);
        }
        if (auto* check = dynamic_cast<CheckBox*>(&control)) {
            EXPECT_EQ(check->value(), row.value);
        }
    }
    std::size_t menus = std::count_if(feuille->controls().begin(), feuille->controls().end(),
                                      [](Control* c) { return c->kind() == Kind::MenuItem; });
    EXPECT_EQ(feuille->controls().size(), std::size(kRows) + 1 /* Ascenseur */ + menus);
}

TEST_F(FeuilleOrmaneDesign, TheDecimalsBarRunsFromNineAtTheTopToTwoAtTheBottom) {
    ScrollBar& bar = feuille->scrollBar("Ascenseur");
    EXPECT_EQ(bar.container(), nullptr);
    EXPECT_EQ(bar.value(), 3);
    EXPECT_EQ(bar.topValue(), 9);
    EXPECT_EQ(bar.bottomValue(), 2);
    EXPECT_EQ(bar.smallChange(), 1);
    EXPECT_EQ(bar.largeChange(), 2);
}

TEST_F(FeuilleOrmaneDesign, MenusComeInOrderWithTheirNestingCaptionsAndTheF1Shortcut) {
    std::vector<std::string> listed;
    auto walk = [&](auto& self, const Control* parent, const std::string& prefix) -> void {
        for (Control* c : feuille->childrenOf(parent)) {
            if (c->kind() != Kind::MenuItem) continue;
            auto& item = static_cast<MenuItem&>(*c);
            EXPECT_FALSE(item.checked()) << item.displayName();
            std::string path = prefix + item.displayName();
            listed.push_back(path + " " + item.caption() + item.shortcut());
            self(self, c, path + "/");
        }
    };
    walk(walk, nullptr, "");
    EXPECT_THAT(
        listed,
        ElementsAre("MenuKprime &K-prime calculator", "MenuOK &Copy prep to clipboard",
                    "MenuLanguage &Language", "MenuLanguage/MenuLangue(0) &English",
                    "MenuLanguage/MenuLangue(1) &Français", "MenuQuitter e&Xit", "MenuHelp &?",
                    "MenuHelp/MenuAide &Help",
                    "MenuHelp/MenuAide/MenuAide1(1) &Background and references",
                    "MenuHelp/MenuAide/MenuAide1(2) &UseF1",
                    "MenuHelp/MenuAide/MenuAide1(3) &K-prime distribution",
                    "MenuHelp/MenuAide/MenuAide2 b&Ibliography", "MenuHelp/MenuAide/MenuAide3 &Web",
                    "MenuHelp/MenuAuteurs au&Thors", "MenuHelp/MenuApropos &About Ormane"));
}

TEST_F(FeuilleOrmaneDesign, ResultLabelsAreBoldOnLightYellowAndTheGreekLettersUseASymbolFont) {
    const std::string results =
        " EtiPrep EtiPrept EtiPreprep EtiIC(0) EtiIC(1) EtiICt(1) EtiICt(2) "
        "EtiICL(1) EtiICL(2) ";
    const Colour lightYellow{255, 255, 192};
    for (Control* c : feuille->controls()) {
        SCOPED_TRACE(c->displayName());
        bool result = results.find(" " + c->displayName() + " ") != std::string::npos;
        EXPECT_EQ(c->presentation().bold, result);
        EXPECT_EQ(c->presentation().background.value_or(Colour{}), result ? lightYellow : Colour{});
        EXPECT_EQ(c->presentation().symbolFont, c->name() == "Etialpha" || c->name() == "EtiGamma");
    }
}

}  // namespace
}  // namespace ormane::window
