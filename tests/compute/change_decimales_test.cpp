// Rendering the kept results: prefixes, decimals, the " , " separator, and the rule that a
// result not kept never touches its label.
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
    for (const char* nom : {"EtiPrep", "EtiPrept", "EtiPreprep"})
        EXPECT_EQ(Eti(nom).caption(), "avant") << nom;
    AttendIntervalles("avant");
    module.TexteDecimales.clear();  // before any language: only the digits
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiDecimales").caption(), "5");
}

TEST_F(ChangeDecimalesTest, IntervalsUseABlankCommaBlankAndNoResultLeavesTheirLabel) {
    struct Cas {
        Resultat resultat;
        const char* etiquette;
        std::int16_t index;
    } const table[] = {{Resultat::Effet, "EtiIC", 0},
                       {Resultat::EffetReplique, "EtiIC", 1},
                       {Resultat::tReplique, "EtiICt", 1},
                       {Resultat::pReplique, "EtiICt", 2}};
    module.NbDecimales = 2;
    for (const Cas& cas : table) {
        window::Label& etiquette = Eti(cas.etiquette, cas.index);
        SCOPED_TRACE(cas.etiquette + std::to_string(cas.index));
        etiquette.setCaption("avant");
        module.resultats = R{};
        ChangeDecimales(*feuille, module);
        EXPECT_EQ(etiquette.caption(), "avant");
        module.resultats.garde(cas.resultat, 4.567, 0.123);
        ChangeDecimales(*feuille, module);
        EXPECT_EQ(etiquette.caption(), "[0.12 , 4.57]");
    }
    // The two rows of limits are never computed: their labels are never written.
    for (std::int16_t i : {1, 2}) EXPECT_EQ(Eti("EtiICL", i).caption(), "");
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
