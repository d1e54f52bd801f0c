// Rendering the kept results: the rule that a result not kept never touches its label, and a
// failing step. The prefixes, the decimals and the " , " separator of every result are in
// data/startup-example-shown.csv (startup_example_test.cpp).
#include "compute/change_decimales.h"

#include "compute_fixture.h"

namespace ormane::testing {
namespace {

using ChangeDecimalesTest = ComputeTest;

TEST_F(ChangeDecimalesTest, WithNoResultOnlyTheDecimalsLabelChanges) {
    MarqueEtiquettes("avant");
    module.NbDecimales = 5;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiDecimales").caption(), "decimals 5");
    AttendEtiquettes("avant");
    module.TexteDecimales.clear();  // before any language: only the digits
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiDecimales").caption(), "5");
}

TEST_F(ChangeDecimalesTest, AFailingStepIsSkippedAndTheNextOnesRun) {
    EchecSur echec(Eti("EtiDecimales"));
    feuille->addObserver(echec);
    module.resultats.garde(Resultat::Prep, 0.5);
    module.resultats.garde(Resultat::tReplique, -1, 2);
    module.NbDecimales = 2;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiPrep").caption(), " prep = 0.50");
    EXPECT_EQ(Eti("EtiICt", 1).caption(), "[-1.00 , 2.00]");
    feuille->removeObserver(echec);
}

}  // namespace
}  // namespace ormane::testing
