// The main window's design state, checked row by row against the design tables.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "window/design/feuille_ormane.h"
#include "window/model/session.h"
#include "window/platform/headless/headless_platform.h"

namespace ormane::window {
namespace {

using ::testing::ElementsAre;

constexpr int kNoIndex = -1;
constexpr int kNoValue = -99;  // for kinds without a Value

struct Row {
    const char* name;
    int index;
    Kind kind;
    const char* container;  // "" for the window itself
    const char* content;    // caption, or text of text and combo boxes
    bool visible;
    int value;  // option: 1 selected / 0 not; check box: its value
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
    if (row.index != kNoIndex) *os << "(" << row.index << ")";
}

constexpr Kind kText = Kind::TextBox;
constexpr Kind kCombo = Kind::ComboBox;
constexpr Kind kOption = Kind::OptionButton;
constexpr Kind kCheck = Kind::CheckBox;
constexpr Kind kLabel = Kind::Label;
constexpr Kind kFrame = Kind::Frame;
constexpr Kind kButton = Kind::CommandButton;

const Row kRows[] = {
    // Directly in the window.
    {"OptionReplique", 0, kOption, "", "&Replication", true, 1},
    {"OptionReplique", 1, kOption, "", "&Future experiment with cell counts multiplied by ", true,
     0},
    {"Textec", kNoIndex, kText, "", "1", false, kNoValue},
    {"Etidf", 1, kLabel, "", "and degrees of freedom =", false, kNoValue},
    {"TextedfR", kNoIndex, kText, "", "", false, kNoValue},
    {"OptionIC", 1, kCheck, "", "&Prediction intervals ", true, 0},
    {"TexteGarantie", 1, kCombo, "", "95", true, kNoValue},
    {"Eti2", 5, kLabel, "", "%", true, kNoValue},
    {"CadreDonnees", kNoIndex, kFrame, "", " Data ", true, kNoValue},
    {"CadreIntervalle", 0, kFrame, "", " Student t/two-tailed p in a replication", false, kNoValue},
    {"CadreIntervalle", 1, kFrame, "", " effect size in a replication ", false, kNoValue},
    {"CadreIntervalle", 2, kFrame, "", " confidence limits in a replication ", false, kNoValue},
    {"EtiRepliqued", kNoIndex, kLabel, "",
     "prep = probability of finding a same-sign effect in a replication", true, kNoValue},
    {"EtiPrep", kNoIndex, kLabel, "", "", true, kNoValue},
    {"CasePsrep", kNoIndex, kCheck, "",
     "psrep = probability of finding a same-sign and significant at the alpha level effect in "
     "a replication",
     true, 0},
    {"EtiPrept", kNoIndex, kLabel, "", "", false, kNoValue},
    {"Etialpha", kNoIndex, kLabel, "", "a", false, kNoValue},
    {"Textealpha", kNoIndex, kCombo, "", "Combo1", false, kNoValue},
    {"CadreAlpha", kNoIndex, kFrame, "", "Frame1", false, kNoValue},
    {"CasePreprep", kNoIndex, kCheck, "",
     "preprep = probability of finding a same-sign effect with prep > gamma  in a replication",
     true, 0},
    {"EtiPreprep", kNoIndex, kLabel, "", "", false, kNoValue},
    {"EtiGamma", kNoIndex, kLabel, "", "g", false, kNoValue},
    {"TexteGamma", kNoIndex, kCombo, "", "Combo1", false, kNoValue},
    {"EtiDecimales", kNoIndex, kLabel, "", "decimals 3", true, kNoValue},
    {"CaseAutomatique", kNoIndex, kCheck, "", "auto&Matic computation", true, 1},
    {"BoutonCalculer", kNoIndex, kButton, "", "&Compute", true, kNoValue},
    {"BoutonAide", kNoIndex, kButton, "", "", true, kNoValue},
    {"BoutonKprime", kNoIndex, kButton, "", "", true, kNoValue},
    {"BoutonQuitter", kNoIndex, kButton, "", "e&Xit", true, kNoValue},
    {"boutonOK", kNoIndex, kButton, "", "co&Py prep to clipboard", true, kNoValue},
    // Inside the frames.
    {"Etidf", 0, kLabel, "CadreDonnees", "degrees of freedom", true, kNoValue},
    {"Textedf", kNoIndex, kText, "CadreDonnees", "", true, kNoValue},
    {"Optiont", 1, kOption, "CadreDonnees", "t", true, 0},
    {"Optiont", 2, kOption, "CadreDonnees", "F", true, 0},
    {"Optiont", 3, kOption, "CadreDonnees", "two-tailed p", true, 0},
    {"Optiont", 4, kOption, "CadreDonnees", "one-tailed p", true, 0},
    {"Textet", 1, kText, "CadreDonnees", "", true, kNoValue},
    {"Textet", 2, kText, "CadreDonnees", "", true, kNoValue},
    {"Textet", 3, kText, "CadreDonnees", "", true, kNoValue},
    {"Textet", 4, kText, "CadreDonnees", "", true, kNoValue},
    {"OptionIC", 0, kCheck, "CadreDonnees", "inter&Val estimate", true, 0},
    {"TexteGarantie", 0, kCombo, "CadreDonnees", "95", true, kNoValue},
    {"Eti2", 2, kLabel, "CadreDonnees", "%", true, kNoValue},
    {"EtiIC", 0, kLabel, "CadreDonnees", "", false, kNoValue},
    {"CadreEffet", kNoIndex, kFrame, "CadreDonnees", " observed effect size ", false, kNoValue},
    {"OptionEffet", 0, kOption, "CadreEffet", "&Standardized (Cohen's d)", true, 1},
    {"TexteEffet", 0, kText, "CadreEffet", "", true, kNoValue},
    {"OptionEffet", 1, kOption, "CadreEffet", "&Unstandardized (raw effect)", true, 0},
    {"TexteEffet", 1, kText, "CadreEffet", "", false, kNoValue},
    {"Eti2", 0, kLabel, "CadreIntervalle(0)", "t", true, kNoValue},
    {"EtiICt", 1, kLabel, "CadreIntervalle(0)", "", true, kNoValue},
    {"Eti2", 1, kLabel, "CadreIntervalle(0)", "p", true, kNoValue},
    {"EtiICt", 2, kLabel, "CadreIntervalle(0)", "", true, kNoValue},
    {"EtiIC", 1, kLabel, "CadreIntervalle(1)", "", true, kNoValue},
    {"EtiICL", 1, kLabel, "CadreIntervalle(2)", "", true, kNoValue},
    {"EtiL", 1, kLabel, "CadreIntervalle(2)", "Llow", true, kNoValue},
    {"EtiICL", 2, kLabel, "CadreIntervalle(2)", "", true, kNoValue},
    {"EtiL", 2, kLabel, "CadreIntervalle(2)", "Lupp", true, kNoValue},
    {"OptionAlpha", 0, kOption, "CadreAlpha", "two-tailed ", true, 1},
    {"OptionAlpha", 1, kOption, "CadreAlpha", "one-tailed ", true, 0},
};

class FeuilleOrmaneDesign : public ::testing::TestWithParam<Row> {
  protected:
    FeuilleOrmaneDesign() : session(platform.services()), feuille(creeFeuilleOrmane(session)) {}

    Control& find(const Row& row) {
        return row.index == kNoIndex
                   ? feuille->control(row.name)
                   : feuille->control(row.name, static_cast<std::int16_t>(row.index));
    }

    platform::HeadlessPlatform platform;
    Session session;
    std::unique_ptr<FeuilleOrmane> feuille;
};

TEST_P(FeuilleOrmaneDesign, ControlMatchesTheDesignTable) {
    const Row& row = GetParam();
    Control& control = find(row);
    EXPECT_EQ(control.kind(), row.kind);
    EXPECT_EQ(control.container() ? control.container()->displayName() : "", row.container);
    EXPECT_EQ(control.visible(), row.visible);
    EXPECT_TRUE(control.enabled());
    EXPECT_EQ(control.tag(), "");
    if (auto* text = dynamic_cast<TextControl*>(&control)) {
        EXPECT_EQ(text->text(), row.content);
    } else {
        EXPECT_EQ(dynamic_cast<CaptionedControl&>(control).caption(), row.content);
    }
    if (row.kind == kOption) {
        EXPECT_EQ(feuille->optionButton(row.name, static_cast<std::int16_t>(row.index)).value(),
                  row.value == 1 ? Vrai : Faux);
    }
    if (row.kind == kCheck) {
        EXPECT_EQ(dynamic_cast<CheckBox&>(control).value(), row.value);
    }
    if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        EXPECT_TRUE(combo->items().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, FeuilleOrmaneDesign, ::testing::ValuesIn(kRows),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             if (info.param.index != kNoIndex) {
                                 name += "_" + std::to_string(info.param.index);
                             }
                             return name;
                         });

class FeuilleOrmaneWhole : public ::testing::Test {
  protected:
    FeuilleOrmaneWhole() : session(platform.services()), feuille(creeFeuilleOrmane(session)) {}
    platform::HeadlessPlatform platform;
    Session session;
    std::unique_ptr<FeuilleOrmane> feuille;
};

TEST_F(FeuilleOrmaneWhole, HoldsExactlyTheTabledControlsAndTheMenus) {
    std::size_t menus = 0;
    for (Control* c : feuille->controls()) menus += c->kind() == Kind::MenuItem ? 1 : 0;
    EXPECT_EQ(feuille->controls().size(), std::size(kRows) + 1 /* Ascenseur */ + menus);
    EXPECT_EQ(menus, 15u);
}

TEST_F(FeuilleOrmaneWhole, ArraysHaveTheirDesignIndices) {
    EXPECT_THAT(feuille->indices("Eti2"), ElementsAre(0, 1, 2, 5));
    EXPECT_THAT(feuille->indices("Optiont"), ElementsAre(1, 2, 3, 4));
    EXPECT_THAT(feuille->indices("Textet"), ElementsAre(1, 2, 3, 4));
    EXPECT_THAT(feuille->indices("EtiICt"), ElementsAre(1, 2));
    EXPECT_THAT(feuille->indices("EtiIC"), ElementsAre(0, 1));
    EXPECT_THAT(feuille->indices("MenuLangue"), ElementsAre(0, 1));
    EXPECT_THAT(feuille->indices("MenuAide1"), ElementsAre(1, 2, 3));
    EXPECT_FALSE(feuille->isArray("Textealpha"));
}

TEST_F(FeuilleOrmaneWhole, TheDecimalsBarRunsFromNineAtTheTopToTwoAtTheBottom) {
    ScrollBar& bar = feuille->scrollBar("Ascenseur");
    EXPECT_EQ(bar.container(), nullptr);
    EXPECT_TRUE(bar.visible());
    EXPECT_EQ(bar.value(), 3);
    EXPECT_EQ(bar.topValue(), 9);
    EXPECT_EQ(bar.bottomValue(), 2);
    EXPECT_EQ(bar.minimum(), 2);
    EXPECT_EQ(bar.maximum(), 9);
    EXPECT_EQ(bar.smallChange(), 1);
    EXPECT_EQ(bar.largeChange(), 2);
}

TEST_F(FeuilleOrmaneWhole, MenusComeInOrderWithTheirNestingAndCaptions) {
    std::vector<std::string> listed;
    auto walk = [&](auto& self, const Control* parent, const std::string& prefix) -> void {
        for (Control* c : feuille->childrenOf(parent)) {
            if (c->kind() != Kind::MenuItem) continue;
            auto& item = static_cast<MenuItem&>(*c);
            std::string path = prefix + item.displayName();
            listed.push_back(path + " " + item.caption());
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
                    "MenuHelp/MenuAide/MenuAide1(2) &Use",
                    "MenuHelp/MenuAide/MenuAide1(3) &K-prime distribution",
                    "MenuHelp/MenuAide/MenuAide2 b&Ibliography", "MenuHelp/MenuAide/MenuAide3 &Web",
                    "MenuHelp/MenuAuteurs au&Thors", "MenuHelp/MenuApropos &About Ormane"));
}

TEST_F(FeuilleOrmaneWhole, OnlyTheUseItemHasAShortcutAndNoItemIsChecked) {
    for (Control* c : feuille->controls()) {
        if (c->kind() != Kind::MenuItem) continue;
        auto& item = static_cast<MenuItem&>(*c);
        EXPECT_FALSE(item.checked()) << item.displayName();
        EXPECT_TRUE(item.visible()) << item.displayName();
        EXPECT_EQ(item.shortcut(), item.displayName() == "MenuAide1(2)" ? "F1" : "")
            << item.displayName();
    }
}

TEST_F(FeuilleOrmaneWhole, ResultLabelsAreBoldOnLightYellowAndTheGreekLettersUseASymbolFont) {
    const std::vector<std::string> results = {"EtiPrep",   "EtiPrept",  "EtiPreprep",
                                              "EtiIC(0)",  "EtiIC(1)",  "EtiICt(1)",
                                              "EtiICt(2)", "EtiICL(1)", "EtiICL(2)"};
    for (Control* c : feuille->controls()) {
        const Presentation& look = c->presentation();
        bool result = std::find(results.begin(), results.end(), c->displayName()) != results.end();
        EXPECT_EQ(look.bold, result) << c->displayName();
        EXPECT_EQ(look.background.has_value(), result) << c->displayName();
        if (result) {
            EXPECT_EQ(*look.background, (Colour{255, 255, 192}));
        }
        bool symbol = c->name() == "Etialpha" || c->name() == "EtiGamma";
        EXPECT_EQ(look.symbolFont, symbol) << c->displayName();
    }
    EXPECT_EQ(symbolFontText(feuille->label("Etialpha").caption()), "α");
    EXPECT_EQ(symbolFontText(feuille->label("EtiGamma").caption()), "γ");
}

TEST_F(FeuilleOrmaneWhole, TheWindowsOwnStateStartsClear) {
    EXPECT_EQ(feuille->texteModifie(), Faux);
    EXPECT_EQ(feuille->name(), "FeuilleOrmane");
    EXPECT_EQ(feuille->state(), FormState::Created);
    EXPECT_FALSE(feuille->shown());
    EXPECT_EQ(feuille->focused(), nullptr);
    EXPECT_EQ(feuille->helpContextId(), 0);
}

TEST_F(FeuilleOrmaneWhole, EachOptionGroupKeepsOneChoiceInItsOwnContainer) {
    feuille->optionButton("Optiont", 2).setValue(Vrai);
    feuille->optionButton("OptionAlpha", 1).setValue(Vrai);
    EXPECT_EQ(feuille->optionButton("OptionReplique", 0).value(), Vrai);
    EXPECT_EQ(feuille->optionButton("OptionEffet", 0).value(), Vrai);
    EXPECT_EQ(feuille->optionButton("Optiont", 2).value(), Vrai);
    EXPECT_EQ(feuille->optionButton("OptionAlpha", 0).value(), Faux);
    feuille->optionButton("Optiont", 4).setValue(Vrai);
    for (std::int16_t i : {1, 2, 3}) EXPECT_EQ(feuille->optionButton("Optiont", i).value(), Faux);
}

// Attaching succeeds only where no handler exists yet.
TEST_F(FeuilleOrmaneWhole, NoHandlerIsAttachedYet) {
    std::set<std::string> names;
    for (Control* c : feuille->controls()) names.insert(c->name());
    for (const std::string& name : names) {
        for (Notification n : {Notification::Change, Notification::Click, Notification::GotFocus,
                               Notification::KeyUp, Notification::Scroll}) {
            if (!raises(feuille->kindOf(name), n)) continue;
            EXPECT_NO_THROW(feuille->on(name, n, [](const Event&) {}))
                << name << " " << notificationName(n);
        }
    }
}

}  // namespace
}  // namespace ormane::window
