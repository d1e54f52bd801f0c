// Rendering the kept results: prefixes, decimals, the " , " separator, and the rule that a
// result of 0 never touches its label.
#include "compute/change_decimales.h"

#include "compute_fixture.h"
#include "numeric/erreur_execution.h"
#include "window/model/observer.h"

namespace ormane::testing {
namespace {

class ChangeDecimalesTest : public ComputeTest {};

TEST_F(ChangeDecimalesTest, WithNoResultOnlyTheDecimalsLabelChanges) {
    for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"}) Eti(nom).setCaption("avant");
    MarqueEtiquettesIntervalles("avant");
    module.NbDecimales = 5;

    ChangeDecimales(*feuille, module);

    EXPECT_EQ(Eti("EtiDecimales").caption(), "decimals 5");
    for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"}) {
        EXPECT_EQ(Eti(nom).caption(), "avant") << nom;
    }
    for (window::Label* e : EtiquettesIntervalles()) EXPECT_EQ(e->caption(), "avant");
}

TEST_F(ChangeDecimalesTest, BeforeAnyLanguageTheDecimalsLabelShowsOnlyTheDigits) {
    module.TexteDecimales.clear();
    module.NbDecimales = 3;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiDecimales").caption(), "3");
}

struct ValeurRendue {
    double ResultatsConserves::*valeur;
    const char* etiquette;
    std::int16_t decimales;
    double nombre;
    const char* attendu;
};

class ValeursRendues : public ChangeDecimalesTest,
                       public ::testing::WithParamInterface<ValeurRendue> {};

TEST_P(ValeursRendues, ShowTheirPrefixAndTheDecimals) {
    const ValeurRendue& cas = GetParam();
    module.NbDecimales = cas.decimales;
    module.resultats.*cas.valeur = cas.nombre;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti(cas.etiquette).caption(), cas.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValeursRendues,
    ::testing::Values(ValeurRendue{&ResultatsConserves::ValeurPrep, "EtiPrep", 2, 0.5,
                                   " prep = 0.50"},
                      ValeurRendue{&ResultatsConserves::ValeurPrep, "EtiPrep", 3, 0.771625830497,
                                   " prep = 0.772"},
                      ValeurRendue{&ResultatsConserves::ValeurPsrep, "EtiPrept", 4, 0.230177442254,
                                   " psrep = 0.2302"},
                      ValeurRendue{&ResultatsConserves::ValeurPpreprep, "EtiPreprep", 9,
                                   0.42585870072, " preprep = 0.425858701"},
                      ValeurRendue{&ResultatsConserves::ValeurPsrep, "EtiPrept", 3, 0.000123,
                                   " psrep = 1.2300E-04"}));

struct IntervalleRendu {
    double ResultatsConserves::*inf;
    double ResultatsConserves::*sup;
    const char* etiquette;
    std::int16_t index;
};

class IntervallesRendus : public ChangeDecimalesTest,
                          public ::testing::WithParamInterface<IntervalleRendu> {};

TEST_P(IntervallesRendus, UseABlankCommaBlankSeparator) {
    const IntervalleRendu& cas = GetParam();
    module.NbDecimales = 2;
    module.resultats.*cas.inf = 0.123;
    module.resultats.*cas.sup = 4.567;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti(cas.etiquette, cas.index).caption(), "[0.12 , 4.57]");
}

TEST_P(IntervallesRendus, WithOneLimitAtZeroLeaveTheirLabelAsItWas) {
    const IntervalleRendu& cas = GetParam();
    Eti(cas.etiquette, cas.index).setCaption("avant");
    module.resultats.*cas.inf = -1.5;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti(cas.etiquette, cas.index).caption(), "avant");
    module.resultats.*cas.inf = 0;
    module.resultats.*cas.sup = 2.5;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti(cas.etiquette, cas.index).caption(), "avant");
}

using R = ResultatsConserves;
INSTANTIATE_TEST_SUITE_P(
    Table, IntervallesRendus,
    ::testing::Values(IntervalleRendu{&R::EffetInf, &R::EffetSup, "EtiIC", 0},
                      IntervalleRendu{&R::EffetRepliqueInf, &R::EffetRepliqueSup, "EtiIC", 1},
                      IntervalleRendu{&R::tRepliqueInf, &R::tRepliqueSup, "EtiICt", 1},
                      IntervalleRendu{&R::pRepliqueInf, &R::pRepliqueSup, "EtiICt", 2},
                      IntervalleRendu{&R::LinfRepliqueInf, &R::LinfRepliqueSup, "EtiICL", 1},
                      IntervalleRendu{&R::LsupRepliqueInf, &R::LsupRepliqueSup, "EtiICL", 2}));

// A window whose drawing of one label fails, as a GUI might.
class EchecSur : public window::FormObserver {
  public:
    explicit EchecSur(window::Control& cible) : cible_(cible) {}
    void controlChanged(window::Control& control, window::Property) override {
        if (&control == &cible_) throw ErreurExecution("drawing failed");
    }

  private:
    window::Control& cible_;
};

TEST_F(ChangeDecimalesTest, AFailingStepIsSkippedAndTheNextOnesRun) {
    EchecSur echec(Eti("EtiDecimales"));
    feuille->addObserver(echec);
    module.resultats.ValeurPrep = 0.5;
    module.resultats.tRepliqueInf = -1;
    module.resultats.tRepliqueSup = 2;
    module.NbDecimales = 2;

    ChangeDecimales(*feuille, module);

    EXPECT_EQ(Eti("EtiPrep").caption(), " prep = 0.50");
    EXPECT_EQ(Eti("EtiICt", 1).caption(), "[-1.00 , 2.00]");
    feuille->removeObserver(echec);
}

}  // namespace
}  // namespace ormane::testing
