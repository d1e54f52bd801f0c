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

#include "compute/module_state.h"
#include "numeric/number_format.h"
#include "numeric/number_reading.h"
#include "window/design/feuille_ormane.h"
#include "window/model/session.h"
#include "window/platform/headless/headless_platform.h"

namespace ormane::testing {

// P(T <= t) and the p-quantile of Student's t with nu degrees of freedom.
inline double StudentF(double t, double nu) {
    return boost::math::cdf(boost::math::students_t(nu), t);
}
inline double StudentQ(double p, double nu) {
    return boost::math::quantile(boost::math::students_t(nu), p);
}

// The number a box or label shows.
inline double Nombre(const std::string& texte) {
    return LitValeur(std::string_view(texte));
}

class ComputeTest : public ::testing::Test {
  protected:
    ComputeTest() : session(platform.services()), feuille(window::creeFeuilleOrmane(session)) {
        feuille->load();
        module.NbDecimales = 3;
        module.TexteDecimales = "decimals ";
    }

    window::TextBox& Textet(std::int16_t i) { return feuille->textBox("Textet", i); }
    window::TextBox& Textedf() { return feuille->textBox("Textedf"); }
    window::TextBox& Textec() { return feuille->textBox("Textec"); }
    window::TextBox& TextedfR() { return feuille->textBox("TextedfR"); }
    window::TextBox& TexteEffet(std::int16_t i) { return feuille->textBox("TexteEffet", i); }
    window::ComboBox& Textealpha() { return feuille->comboBox("Textealpha"); }
    window::ComboBox& TexteGamma() { return feuille->comboBox("TexteGamma"); }
    window::ComboBox& TexteGarantie(std::int16_t i) {
        return feuille->comboBox("TexteGarantie", i);
    }
    window::Label& Eti(const char* nom) { return feuille->label(nom); }
    window::Label& Eti(const char* nom, std::int16_t i) { return feuille->label(nom, i); }

    // The six interval labels, in the order the computation clears them.
    std::vector<window::Label*> EtiquettesIntervalles() {
        return {&Eti("EtiIC", 0),  &Eti("EtiIC", 1),  &Eti("EtiICt", 1),
                &Eti("EtiICt", 2), &Eti("EtiICL", 1), &Eti("EtiICL", 2)};
    }
    void MarqueEtiquettesIntervalles(const std::string& texte) {
        for (window::Label* e : EtiquettesIntervalles()) e->setCaption(texte);
    }

    void Choisit(std::int16_t choix) {
        module.ChoixStatistique = choix;
        feuille->optionButton("Optiont", choix).setValue(Vrai);
    }
    void ChoisitEffetBrut() { feuille->optionButton("OptionEffet", 1).setValue(Vrai); }
    void ChoisitExperienceFuture(const std::string& c, const std::string& dfR) {
        feuille->optionButton("OptionReplique", 1).setValue(Vrai);
        Textec().setText(c);
        TextedfR().setText(dfR);
    }

    // The entries the window's load places: 9 degrees of freedom, a two-tailed p of 0.30,
    // alpha 0.05 two-tailed, gamma 0.90, guarantees 95 %, the standardized effect
    // t / sqrt(10) with 8 decimals and the raw effect 5.
    void EntreExempleDemarrage() {
        Textedf().setText("9");
        TextedfR().setText("9");
        Textet(3).setText("0.30");
        Choisit(3);
        Textealpha().setText("0.05");
        TexteGamma().setText("0.90");
        TexteGarantie(0).setText("95");
        TexteGarantie(1).setText("95");
        TexteEffet(0).setText(FormateNombre(1.09971619639466 / std::sqrt(10.0), 8));
        TexteEffet(1).setText("5");
    }

    platform::HeadlessPlatform platform;
    window::Session session;
    std::unique_ptr<window::FeuilleOrmane> feuille;
    EtatModule module;
};

}  // namespace ormane::testing
