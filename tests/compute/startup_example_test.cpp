// The start-up example (9 degrees of freedom, two-tailed p 0.30) computed through the
// refresh, against values computed outside the program: Boost.Math's Student and
// noncentral t with an adaptive quadrature for the K-prime distribution, cross-checked
// with mpmath (help/checks/worked_example.cpp and worked_example_check.py).
#include "compute/change_decimales.h"
#include "compute/refresh.h"
#include "compute_fixture.h"

namespace ormane::testing {
namespace {

class ExempleDemarrageTest : public ComputeTest {
  protected:
    void Calcule(bool brut = false) {
        EntreExempleDemarrage();
        if (brut) ChoisitEffetBrut();
        std::int16_t automatique = 1;
        MiseAJOUR(*feuille, module, automatique);
    }
};

struct Conserve {
    const char* nom;
    Resultat resultat;
    double (*limite)(const R&, Resultat);  // Bas or Haut
    double reference;
    double tolerance;
};

TEST_F(ExempleDemarrageTest, KeptResultsMatchTheIndependentReference) {
    const Conserve standardises[] = {
        {"prep", Resultat::Prep, Bas, 0.771625830497, 1e-9},
        {"psrep", Resultat::Psrep, Bas, 0.230177442254, 1e-8},
        {"ppreprep", Resultat::Ppreprep, Bas, 0.42585870072, 1e-8},
        {"t low", Resultat::tReplique, Bas, -1.927574898, 1e-7},
        {"t high", Resultat::tReplique, Haut, 4.682222389, 1e-7},
        {"p low", Resultat::pReplique, Bas, 0.0005742988612, 1e-10},
        {"p high", Resultat::pReplique, Haut, 0.9569968981, 1e-9},
        {"effect low", Resultat::Effet, Bas, -0.30084628, 1e-7},
        {"effect high", Resultat::Effet, Haut, 0.9785326557, 1e-7},
        {"predicted effect low", Resultat::EffetReplique, Bas, -0.6095527109, 1e-7},
        {"predicted effect high", Resultat::EffetReplique, Haut, 1.480648743, 1e-7}};
    const Conserve bruts[] = {
        {"raw effect low", Resultat::Effet, Bas, -5.28518617, 1e-7},
        {"raw effect high", Resultat::Effet, Haut, 15.28518617, 1e-7},
        {"raw predicted effect low", Resultat::EffetReplique, Bas, -9.545449773, 1e-7},
        {"raw predicted effect high", Resultat::EffetReplique, Haut, 19.54544977, 1e-7}};
    Calcule();
    for (const Conserve& c : standardises)
        EXPECT_THAT(c.limite(module.resultats, c.resultat), DoubleNear(c.reference, c.tolerance))
            << c.nom;
    Calcule(true);
    for (const Conserve& c : bruts)
        EXPECT_THAT(c.limite(module.resultats, c.resultat), DoubleNear(c.reference, c.tolerance))
            << c.nom;
    EXPECT_EQ(Eti("EtiIC", 0).caption(), "[-5.285,15.285]");
    EXPECT_EQ(Eti("EtiIC", 1).caption(), "[-9.545,19.545]");
}

TEST_F(ExempleDemarrageTest, ShowsItsResultsWithThreeDecimalsAndLeavesTheEntriesAsTyped) {
    Calcule();
    const std::pair<std::string, const char*> attendus[] = {
        {Textet(1).text(), "1.09971619"},
        {Textet(2).text(), "1.20937571"},
        {Textet(3).text(), "0.30"},
        {Textet(4).text(), "0.15"},
        {Boite("Textedf").text(), "9"},
        {Liste("Textealpha").text(), "0.05"},
        {Liste("TexteGamma").text(), "0.90"},
        {Boite("TexteEffet", 0).text(), "0.34776080"},
        {Eti("EtiPrep").caption(), " prep = 0.772"},
        {Eti("EtiPrept").caption(), " psrep = 0.230"},
        {Eti("EtiPreprep").caption(), " preprep = 0.426"},
        {Eti("EtiDecimales").caption(), "decimals 3"},
        {Eti("EtiICt", 1).caption(), "[-1.928,4.682]"},
        {Eti("EtiICt", 2).caption(), "[5.7430E-04,0.957]"},
        {Eti("EtiIC", 0).caption(), "[-0.301,0.979]"},
        {Eti("EtiIC", 1).caption(), "[-0.610,1.481]"},
        {Eti("EtiICL", 1).caption(), ""},
        {Eti("EtiICL", 2).caption(), ""}};
    for (const auto& [montre, attendu] : attendus) EXPECT_EQ(montre, attendu);
    EXPECT_EQ(module.CalculEnCours, Faux);
}

TEST_F(ExempleDemarrageTest, AChangeOfDecimalsRendersTheSameResultsWithBlanksAroundTheComma) {
    Calcule();
    module.NbDecimales = 4;
    ChangeDecimales(*feuille, module);
    EXPECT_EQ(Eti("EtiDecimales").caption(), "decimals 4");
    EXPECT_EQ(Eti("EtiPrep").caption(), " prep = 0.7716");
    EXPECT_EQ(Eti("EtiPrept").caption(), " psrep = 0.2302");
    EXPECT_EQ(Eti("EtiPreprep").caption(), " preprep = 0.4259");
    EXPECT_EQ(Eti("EtiICt", 1).caption(), "[-1.9276 , 4.6822]");
    // With 4 decimals the first digit of 5.7430E-04 is reached: fixed notation.
    EXPECT_EQ(Eti("EtiICt", 2).caption(), "[0.0006 , 0.9570]");
    EXPECT_EQ(Eti("EtiIC", 0).caption(), "[-0.3008 , 0.9785]");
    EXPECT_EQ(Eti("EtiIC", 1).caption(), "[-0.6096 , 1.4806]");
}

}  // namespace
}  // namespace ormane::testing
