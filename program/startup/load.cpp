#include "program/startup/load.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "about/about_text.h"
#include "base/failure_trap.h"
#include "compute/change_decimales.h"
#include "numeric/number_format.h"
#include "program/captions/language_menu.h"
#include "program/commands/picture_commands.h"
#include "program/entries/example_entries.h"
#include "program/startup/settings.h"
#include "window/model/controls.h"
#include "window/model/session.h"

namespace ormane {

namespace {

// The Student t of a two-tailed p of 0.30 with 9 degrees of freedom: the default example
// is an experiment of 10 observations with that p, its standardized effect t / sqrt(10).
constexpr double kTExemple = 1.09971619639466;

// Steps 16 to 19: a stored text, then the list of suggestions.
void RemplitListe(window::ComboBox& liste, const std::string& texte,
                  const std::vector<const char*>& suggestions) {
    Essaie([&] { liste.setText(texte); });
    for (const char* suggestion : suggestions) Essaie([&] { liste.addItem(suggestion); });
}

}  // namespace

void Form_Load(const Contexte& c) {
    window::FeuilleOrmane& F = c.feuille;
    EtatModule& M = c.module;
    platform::SettingsStore& store = F.session().services().settings;

    // 1 to 3: a stored value that does not convert leaves the global as it was ("L" not a
    // number starts in French); one that converts but is out of range takes its default.
    Essaie([&] {
        M.LangueChoisie = static_cast<Langue>(LitReglageEntier(store, CleReglage::Langue));
    });
    Essaie([&] { M.NbDecimales = LitReglageEntier(store, CleReglage::Decimales); });
    Essaie([&] {
        M.ChoixStatistique = StatistiqueDe(LitReglageEntier(store, CleReglage::Statistique));
    });
    // 4: kept for steps 16 to 19.
    std::string alpha = ReglageDe(CleReglage::Alpha).defaut,
                gamma = ReglageDe(CleReglage::Gamma).defaut,
                niveauEstimation = ReglageDe(CleReglage::NiveauEstimation).defaut,
                niveauPrediction = ReglageDe(CleReglage::NiveauPrediction).defaut;
    Essaie([&] { alpha = LitReglage(store, CleReglage::Alpha); });
    Essaie([&] { gamma = LitReglage(store, CleReglage::Gamma); });
    Essaie([&] { niveauEstimation = LitReglage(store, CleReglage::NiveauEstimation); });
    Essaie([&] { niveauPrediction = LitReglage(store, CleReglage::NiveauPrediction); });

    // 5: a "D" that does not convert leaves 0, which the bar refuses (the results then take
    // 3 decimals).
    Essaie([&] { F.scrollBar("Ascenseur").setValue(M.NbDecimales); });
    // 6
    Essaie([&] { F.optionButton("Optiont", IndexDe(M.ChoixStatistique)).setValue(Vrai); });
    // 7
    Essaie([&] { ChangeDecimales(F, M); });
    // 8: captions in the stored language.
    Essaie([&] { MenuLangue_Click(c, IndexMenuLangue(M.LangueChoisie)); });
    // 9
    Essaie([&] { F.setCaption(TitreEtVersion()); });
    // The picture pane as it was left, before the example computes.
    Essaie([&] { ChargeReglagesImage(c); });

    // 10 to 15: the default example. Textedf has no Change handler; the others recompute,
    // and Textet(3) selects the two-tailed p, which computes.
    Essaie([&] { F.textBox("Textedf").setText("9"); });
    Essaie([&] { F.textBox("TextedfR").setText(F.textBox("Textedf").text()); });
    Essaie([&] { F.textBox("Textet", 3).setText("0.30"); });
    double racine = 0;
    Essaie([&] { racine = std::sqrt(10.0); });
    Essaie([&] { F.textBox("TexteEffet", 0).setText(FormateNombre(kTExemple / racine, 8)); });
    Essaie([&] { F.textBox("TexteEffet", 1).setText("5"); });

    // 16 to 19
    RemplitListe(F.comboBox("Textealpha"), alpha, {"0.001", "0.01", "0.025", "0.05", "0.10"});
    RemplitListe(F.comboBox("TexteGamma"), gamma, {"0.90", "0.95", "0.975", "0.99"});
    RemplitListe(F.comboBox("TexteGarantie", 0), niveauEstimation, {"90", "95", "97.5", "99"});
    RemplitListe(F.comboBox("TexteGarantie", 1), niveauPrediction, {"90", "95", "97.5", "99"});

    // The example's effect and future df are the example's, not the person's.
    AdopteExemple(c);
}

}  // namespace ormane
