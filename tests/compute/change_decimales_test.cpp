// Rendering the kept results: prefixes, decimals, the " , " separator, and the rule that a
// result of 0 never touches its label.
#include "compute/change_decimales.h"

#include "compute_fixture.h"

namespace ormane::testing {
namespace {

class ChangeDecimalesTest : public ComputeTest {};

TEST_F(ChangeDecimalesTest, WithNoResultOnlyTheDecimalsLabelChanges) {
    MarqueEtiquettes("avant");
    module.NbDecimales = 5;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiDecimales").caption(), "decimals 5");
    for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"})
        EXPECT_EQ(Eti(nom).caption(), "avant") << nom;
    AttendIntervalles("avant");
    module.TexteDecimales.clear();  // before any language: only the digits
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiDecimales").caption(), "5");
}

TEST_F(ChangeDecimalesTest, IntervalsUseABlankCommaBlankAndAZeroLimitLeavesTheirLabel) {
    struct Cas {
        double R::*inf;
        double R::*sup;
        const char* etiquette;
        std::int16_t index;
    } const table[] = {{&R::EffetInf, &R::EffetSup, "EtiIC", 0},
                       {&R::EffetRepliqueInf, &R::EffetRepliqueSup, "EtiIC", 1},
                       {&R::tRepliqueInf, &R::tRepliqueSup, "EtiICt", 1},
                       {&R::pRepliqueInf, &R::pRepliqueSup, "EtiICt", 2},
                       {&R::LinfRepliqueInf, &R::LinfRepliqueSup, "EtiICL", 1},
                       {&R::LsupRepliqueInf, &R::LsupRepliqueSup, "EtiICL", 2}};
    module.NbDecimales = 2;
    for (const Cas& cas : table) {
        window::Label& etiquette = Eti(cas.etiquette, cas.index);
        SCOPED_TRACE(cas.etiquette + std::to_string(cas.index));
        etiquette.setCaption("avant");
        module.resultats = R{};
        module.resultats.*cas.inf = -1.5;
        ChangeDecimales(*feuille, module);
        EXPECT_EQ(etiquette.caption(), "avant");
        module.resultats.*cas.inf = 0;
        module.resultats.*cas.sup = 2.5;
        ChangeDecimales(*feuille, module);
        EXPECT_EQ(etiquette.caption(), "avant");
        module.resultats.*cas.inf = 0.123;
        module.resultats.*cas.sup = 4.567;
        ChangeDecimales(*feuille, module);
        EXPECT_EQ(etiquette.caption(), "[0.12 , 4.57]");
    }
}

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
