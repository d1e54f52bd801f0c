#include "window/design/feuille_ormane.h"

#include <string>

namespace ormane::window {

namespace {

// Small helpers so the design reads like a table: one line per control.
struct Designer {
    Form& form;

    template <class T>
    T& place(const std::string& name, std::optional<std::int16_t> index, Control* container) {
        return index ? form.addMember<T>(name, *index, container) : form.add<T>(name, container);
    }

    OptionButton& option(const std::string& name, std::optional<std::int16_t> index, Control* in,
                         const std::string& caption, bool selected) {
        auto& button = place<OptionButton>(name, index, in);
        button.setCaption(caption);
        if (selected) button.setValue(Vrai);
        return button;
    }
    CheckBox& check(const std::string& name, std::optional<std::int16_t> index, Control* in,
                    const std::string& caption, std::int16_t value) {
        auto& box = place<CheckBox>(name, index, in);
        box.setCaption(caption);
        box.setValue(value);
        return box;
    }
    TextBox& text(const std::string& name, std::optional<std::int16_t> index, Control* in,
                  const std::string& text, bool visible) {
        auto& box = place<TextBox>(name, index, in);
        box.setText(text);
        box.setVisible(visible);
        return box;
    }
    ComboBox& combo(const std::string& name, std::optional<std::int16_t> index, Control* in,
                    const std::string& text, bool visible) {
        auto& box = place<ComboBox>(name, index, in);
        box.setText(text);
        box.setVisible(visible);
        return box;
    }
    Label& label(const std::string& name, std::optional<std::int16_t> index, Control* in,
                 const std::string& caption, bool visible) {
        auto& label = place<Label>(name, index, in);
        label.setCaption(caption);
        label.setVisible(visible);
        return label;
    }
    Label& result(const std::string& name, std::optional<std::int16_t> index, Control* in,
                  bool visible) {
        auto& resultLabel = label(name, index, in, "", visible);
        resultLabel.setPresentation(resultLabelPresentation());
        return resultLabel;
    }
    Label& symbol(const std::string& name, const std::string& letter) {
        auto& symbolLabel = label(name, std::nullopt, nullptr, letter, false);
        Presentation look;
        look.symbolFont = true;
        symbolLabel.setPresentation(look);
        return symbolLabel;
    }
    Frame& frame(const std::string& name, std::optional<std::int16_t> index, Control* in,
                 const std::string& caption, bool visible) {
        auto& frame = place<Frame>(name, index, in);
        frame.setCaption(caption);
        frame.setVisible(visible);
        return frame;
    }
    CommandButton& button(const std::string& name, const std::string& caption) {
        auto& button = place<CommandButton>(name, std::nullopt, nullptr);
        button.setCaption(caption);
        return button;
    }
    MenuItem& menu(const std::string& name, std::optional<std::int16_t> index, Control* in,
                   const std::string& caption) {
        auto& item = place<MenuItem>(name, index, in);
        item.setCaption(caption);
        return item;
    }
};

constexpr std::nullopt_t kNone = std::nullopt;
constexpr bool kVisible = true;
constexpr bool kHidden = false;

}  // namespace

FeuilleOrmane::FeuilleOrmane(Session& session) : Form(session, "FeuilleOrmane") {
    setCaption("Ormane");
    Designer d{*this};

    // Directly in the window.
    d.option("OptionReplique", 0, nullptr, "&Replication", true);
    d.option("OptionReplique", 1, nullptr, "&Future experiment with cell counts multiplied by ",
             false);
    d.text("Textec", kNone, nullptr, "1", kHidden);
    d.label("Etidf", 1, nullptr, "and degrees of freedom =", kHidden);
    d.text("TextedfR", kNone, nullptr, "", kHidden);
    d.check("OptionIC", 1, nullptr, "Prediction &intervals", 0);
    d.combo("TexteGarantie", 1, nullptr, "95", kVisible);
    d.label("Eti2", 5, nullptr, "%", kVisible);
    Frame& donnees = d.frame("CadreDonnees", kNone, nullptr, " Data ", kVisible);
    Frame& intervalleT =
        d.frame("CadreIntervalle", 0, nullptr, " Student t/two-tailed p in a replication", kHidden);
    Frame& intervalleEffet =
        d.frame("CadreIntervalle", 1, nullptr, " effect size in a replication ", kHidden);
    Frame& intervalleLimites =
        d.frame("CadreIntervalle", 2, nullptr, " confidence limits in a replication ", kHidden);
    d.label("EtiRepliqued", kNone, nullptr,
            "prep = probability of finding a same-sign effect in a replication", kVisible);
    d.result("EtiPrep", kNone, nullptr, kVisible);
    d.check("CasePsrep", kNone, nullptr,
            "psrep = probability of finding a same-sign and significant at the &alpha level "
            "effect in a replication",
            0);
    d.result("EtiPrept", kNone, nullptr, kHidden);
    d.symbol("Etialpha", "a");
    d.combo("Textealpha", kNone, nullptr, "Combo1", kHidden);
    Frame& alpha = d.frame("CadreAlpha", kNone, nullptr, "Frame1", kHidden);
    d.check("CasePreprep", kNone, nullptr,
            "ppreprep = probability of finding a same-sign effect &with prep > gamma in a "
            "replication",
            0);
    d.result("EtiPreprep", kNone, nullptr, kHidden);
    d.symbol("EtiGamma", "g");
    d.combo("TexteGamma", kNone, nullptr, "Combo1", kHidden);
    d.label("EtiDecimales", kNone, nullptr, "decimals 3", kVisible);
    // One line saying why results are missing, or how an entry was read; empty otherwise.
    d.label("EtiEtat", kNone, nullptr, "", kVisible);
    // Nine decimals at the top: the up arrow adds a decimal, a click in the track two.
    auto& ascenseur = add<ScrollBar>("Ascenseur");
    ascenseur.setLimits(9, 2);
    ascenseur.setSteps(1, 2);
    ascenseur.setValue(3);
    d.check("CaseAutomatique", kNone, nullptr, "auto&Matic computation", 1);
    d.button("BoutonCalculer", "&Compute");
    // The picture of the predictive distribution, below the results; hidden until asked for.
    add<Picture>("ImagePredictive").setVisible(false);
    d.button("BoutonAide", "");
    d.button("BoutonKprime", "");
    d.button("BoutonQuitter", "e&Xit");
    d.button("boutonOK", "co&Py prep to clipboard");

    // Inside the frames.
    d.label("Etidf", 0, &donnees, "degrees of freedom", kVisible);
    d.text("Textedf", kNone, &donnees, "", kVisible);
    d.option("Optiont", 1, &donnees, "t", false);
    d.option("Optiont", 2, &donnees, "F(1, ν)", false);
    d.option("Optiont", 3, &donnees, "two-tailed p", false);
    d.option("Optiont", 4, &donnees, "one-tailed p", false);
    for (std::int16_t i = 1; i <= 4; ++i) d.text("Textet", i, &donnees, "", kVisible);
    d.check("OptionIC", 0, &donnees, "inter&Val estimate", 0);
    d.combo("TexteGarantie", 0, &donnees, "95", kVisible);
    d.label("Eti2", 2, &donnees, "%", kVisible);
    d.result("EtiIC", 0, &donnees, kHidden);
    Frame& effet = d.frame("CadreEffet", kNone, &donnees, " observed effect size ", kHidden);
    d.option("OptionEffet", 0, &effet, "&Standardized (d)", true);
    d.text("TexteEffet", 0, &effet, "", kVisible);
    d.option("OptionEffet", 1, &effet, "&Unstandardized (raw effect)", false);
    d.text("TexteEffet", 1, &effet, "", kHidden);
    d.label("Eti2", 0, &intervalleT, "t", kVisible);
    d.result("EtiICt", 1, &intervalleT, kVisible);
    d.label("Eti2", 1, &intervalleT, "p", kVisible);
    d.result("EtiICt", 2, &intervalleT, kVisible);
    d.result("EtiIC", 1, &intervalleEffet, kVisible);
    d.result("EtiICL", 1, &intervalleLimites, kVisible);
    d.label("EtiL", 1, &intervalleLimites, "Llow", kVisible);
    d.result("EtiICL", 2, &intervalleLimites, kVisible);
    d.label("EtiL", 2, &intervalleLimites, "Lupp", kVisible);
    d.option("OptionAlpha", 0, &alpha, "two-tailed ", true);
    d.option("OptionAlpha", 1, &alpha, "one-tailed ", false);

    // The menu bar, in order, with its submenus.
    d.menu("MenuKprime", kNone, nullptr, "&K-prime calculator");
    d.menu("MenuOK", kNone, nullptr, "c&opy prep to clipboard");
    MenuItem& resultats = d.menu("MenuResultats", kNone, nullptr, "R&esults");
    d.menu("MenuCopierResultats", kNone, &resultats, "&Copy results");
    d.menu("MenuEnregistrerResultats", kNone, &resultats, "&Save results...");
    d.menu("MenuCopierRapport", kNone, &resultats, "Copy the &report");
    MenuItem& graphique = d.menu("MenuGraphique", kNone, nullptr, "&Graph");
    d.menu("MenuImage", kNone, &graphique, "&Show the picture");
    d.menu("MenuEchelle", 0, &graphique, "&t scale");
    d.menu("MenuEchelle", 1, &graphique, "&Effect-size scale");
    d.menu("MenuExporteImage", kNone, &graphique, "E&xport the picture...");
    d.menu("MenuPlanifier", kNone, nullptr, "Plan a replicatio&n...");
    MenuItem& language = d.menu("MenuLanguage", kNone, nullptr, "&Language");
    d.menu("MenuLangue", 0, &language, "&English");
    d.menu("MenuLangue", 1, &language, "&Français");
    d.menu("MenuQuitter", kNone, nullptr, "exi&t");
    MenuItem& help = d.menu("MenuHelp", kNone, nullptr, "&?");
    MenuItem& aide = d.menu("MenuAide", kNone, &help, "&Help");
    d.menu("MenuAide1", 1, &aide, "&Background and references");
    d.menu("MenuAide1", 2, &aide, "&Use").setShortcut("F1");
    d.menu("MenuAide1", 3, &aide, "&K-prime distribution");
    d.menu("MenuAide2", kNone, &aide, "b&Ibliography");
    // The program has no web site: the item stays for its handler, never shown.
    d.menu("MenuAide3", kNone, &aide, "&Web").setVisible(false);
    d.menu("MenuAuteurs", kNone, &help, "au&Thors");
    d.menu("MenuApropos", kNone, &help, "&About Ormane");
}

std::unique_ptr<FeuilleOrmane> creeFeuilleOrmane(Session& session) {
    return std::make_unique<FeuilleOrmane>(session);
}

}  // namespace ormane::window
