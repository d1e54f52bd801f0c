// The main window in its design state on a headless platform, with the module state, for
// the computation's tests; plus the entries of the start-up example and reference values
// from Boost.Math (an implementation independent of the program's own).
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <cstdint>
#include <memory>
#include <string>

#include "base/run_time_error.h"
#include "compute/compute_results.h"
#include "compute/module_state.h"
#include "headless/headless_platform.h"
#include "numeric/number_format.h"
#include "numeric/number_reading.h"
#include "window/design/feuille_ormane.h"
#include "window/model/observer.h"
#include "window/model/session.h"

namespace ormane::testing {

using ::testing::DoubleNear;
using ::testing::StartsWith;
using R = ResultatsConserves;

// A kept result's limits (a single value is its own two limits); 0 when none is kept.
inline double Bas(const R& r, Resultat x) {
    return r[x] ? r[x]->bas : 0;
}
inline double Haut(const R& r, Resultat x) {
    return r[x] ? r[x]->haut : 0;
}

// P(T <= t) and the p-quantile of Student's t with nu degrees of freedom.
inline double StudentF(double t, double nu) {
    return boost::math::cdf(boost::math::students_t(nu), t);
}
inline double StudentQ(double p, double nu) {
    return boost::math::quantile(boost::math::students_t(nu), p);
}

// A window whose drawing of one control fails, as a GUI might.
class EchecSur : public window::FormObserver {
  public:
    explicit EchecSur(window::Control& cible) : cible_(cible) {}
    void controlChanged(window::Control& control, window::Property) override {
        if (&control == &cible_) throw ErreurExecution("drawing failed");
    }

  private:
    window::Control& cible_;
};

class ComputeTest : public ::testing::Test {
  protected:
    ComputeTest() : session(platform.services()), feuille(window::creeFeuilleOrmane(session)) {
        feuille->load();
        module.NbDecimales = 3;
        module.LangueChoisie = Langue::Anglais;
        module.TexteDecimales = "decimals ";
    }

    window::TextBox& Textet(std::int16_t i) { return feuille->textBox("Textet", i); }
    window::TextBox& Boite(const char* nom, std::int16_t i = -1) {
        return i < 0 ? feuille->textBox(nom) : feuille->textBox(nom, i);
    }
    window::ComboBox& Liste(const char* nom, std::int16_t i = -1) {
        return i < 0 ? feuille->comboBox(nom) : feuille->comboBox(nom, i);
    }
    window::Label& Eti(const char* nom) { return feuille->label(nom); }
    window::Label& Eti(const char* nom, std::int16_t i) { return feuille->label(nom, i); }

    // The six interval labels, in the order the computation clears them.
    std::vector<window::Label*> EtiquettesIntervalles() {
        return {&Eti("EtiIC", 0),  &Eti("EtiIC", 1),  &Eti("EtiICt", 1),
                &Eti("EtiICt", 2), &Eti("EtiICL", 1), &Eti("EtiICL", 2)};
    }
    void MarqueEtiquettes(const std::string& texte) {
        for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"}) Eti(nom).setCaption(texte);
        for (window::Label* e : EtiquettesIntervalles()) e->setCaption(texte);
    }
    void AttendIntervalles(const std::string& texte) {
        for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), texte);
    }
    // Every result label, the three probabilities' and the intervals', reads `texte`.
    void AttendEtiquettes(const std::string& texte) {
        for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"})
            EXPECT_EQ(Eti(nom).caption(), texte) << nom;
        AttendIntervalles(texte);
    }
    // Nothing of an earlier computation left, results, labels and statistics other than the
    // entered one `choix`, and the state saying why.
    void AttendToutEfface(EtatCalcul etat, std::int16_t choix) {
        EXPECT_EQ(module.resultats.etat, etat);
        EXPECT_EQ(module.resultats.valeurs, ResultatsConserves{}.valeurs);
        AttendEtiquettes("");
        for (std::int16_t i = 1; i <= 4; ++i)
            EXPECT_TRUE(i == choix || Textet(i).text().empty()) << "Textet(" << i << ")";
    }

    void Choisit(std::int16_t choix) {
        module.ChoixStatistique = StatistiqueDe(choix);
        feuille->optionButton("Optiont", choix).setValue(Vrai);
    }
    void ChoisitEffetBrut() { feuille->optionButton("OptionEffet", 1).setValue(Vrai); }
    void ChoisitExperienceFuture(const std::string& c, const std::string& dfR) {
        feuille->optionButton("OptionReplique", 1).setValue(Vrai);
        Boite("Textec").setText(c);
        Boite("TextedfR").setText(dfR);
    }
    // A statistic of kind `choix` with value x, plain replication unless told otherwise.
    void Calcule(std::int16_t choix, double x, double df = 10, double dfR = 10, double c = 1,
                 std::int16_t calcule = Vrai) {
        CalculeResultats(*feuille, module, StatistiqueDe(choix), calcule, x, df, dfR, c);
    }
    // Entries that give every result: alpha 0.05, gamma 0.90, effects 0.5 and 2.
    void EntreesCourantes() {
        Liste("Textealpha").setText("0.05");
        Liste("TexteGamma").setText("0.90");
        Boite("TexteEffet", 0).setText("0.5");
        Boite("TexteEffet", 1).setText("2");
    }

    // The entries the window's load places: 9 degrees of freedom, a two-tailed p of 0.30,
    // alpha 0.05 two-tailed, gamma 0.90, guarantees 95 %, the standardized effect
    // t / sqrt(10) with 8 decimals and the raw effect 5.
    void EntreExempleDemarrage() {
        Boite("Textedf").setText("9");
        Boite("TextedfR").setText("9");
        Textet(3).setText("0.30");
        Choisit(3);
        Liste("Textealpha").setText("0.05");
        Liste("TexteGamma").setText("0.90");
        Liste("TexteGarantie", 0).setText("95");
        Liste("TexteGarantie", 1).setText("95");
        Boite("TexteEffet", 0).setText(FormateNombre(1.09971619639466 / std::sqrt(10.0), 8));
        Boite("TexteEffet", 1).setText("5");
    }

    platform::HeadlessPlatform platform;
    window::Session session;
    std::unique_ptr<window::FeuilleOrmane> feuille;
    EtatModule module;
};

}  // namespace ormane::testing
