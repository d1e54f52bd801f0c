// The start-up example (9 degrees of freedom, two-tailed p 0.30) computed through the
// refresh, against values computed outside the program: Boost.Math's Student and
// noncentral t with an adaptive quadrature for the K-prime distribution, cross-checked
// with mpmath (help/checks/worked_example.cpp and worked_example_check.py).
#include <cmath>

#include "compute/change_decimales.h"
#include "compute/refresh.h"
#include "compute_fixture.h"

namespace ormane::testing {
namespace {

using ::testing::DoubleNear;

class ExempleDemarrageTest : public ComputeTest {
  protected:
    void Calcule() {
        EntreExempleDemarrage();
        std::int16_t automatique = 1;
        MiseAJOUR(*feuille, module, automatique);
    }
};

struct Conserve {
    const char* nom;
    double ResultatsConserves::*valeur;
    double reference;
    double tolerance;
};

void PrintTo(const Conserve& c, std::ostream* os) {
    *os << c.nom;
}

using R = ResultatsConserves;

class ValeursStandardisees : public ExempleDemarrageTest,
                             public ::testing::WithParamInterface<Conserve> {};

TEST_P(ValeursStandardisees, MatchTheIndependentReference) {
    const Conserve& c = GetParam();
    Calcule();
    EXPECT_THAT(module.resultats.*c.valeur, DoubleNear(c.reference, c.tolerance));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValeursStandardisees,
    ::testing::Values(Conserve{"prep", &R::ValeurPrep, 0.771625830497, 1e-9},
                      Conserve{"psrep", &R::ValeurPsrep, 0.230177442254, 1e-8},
                      Conserve{"ppreprep", &R::ValeurPpreprep, 0.42585870072, 1e-8},
                      Conserve{"t low", &R::tRepliqueInf, -1.927574898, 1e-7},
                      Conserve{"t high", &R::tRepliqueSup, 4.682222389, 1e-7},
                      Conserve{"p low", &R::pRepliqueInf, 0.0005742988612, 1e-10},
                      Conserve{"p high", &R::pRepliqueSup, 0.9569968981, 1e-9},
                      Conserve{"effect low", &R::EffetInf, -0.30084628, 1e-7},
                      Conserve{"effect high", &R::EffetSup, 0.9785326557, 1e-7},
                      Conserve{"predicted effect low", &R::EffetRepliqueInf, -0.6095527109, 1e-7},
                      Conserve{"predicted effect high", &R::EffetRepliqueSup, 1.480648743, 1e-7}));

class ValeursBrutes : public ExempleDemarrageTest,
                      public ::testing::WithParamInterface<Conserve> {};

TEST_P(ValeursBrutes, MatchTheIndependentReference) {
    const Conserve& c = GetParam();
    ChoisitEffetBrut();
    Calcule();
    EXPECT_THAT(module.resultats.*c.valeur, DoubleNear(c.reference, c.tolerance));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValeursBrutes,
    ::testing::Values(Conserve{"effect low", &R::EffetInf, -5.28518617, 1e-7},
                      Conserve{"effect high", &R::EffetSup, 15.28518617, 1e-7},
                      Conserve{"predicted effect low", &R::EffetRepliqueInf, -9.545449773, 1e-7},
                      Conserve{"predicted effect high", &R::EffetRepliqueSup, 19.54544977, 1e-7}));

TEST_F(ExempleDemarrageTest, ShowsItsResultsWithThreeDecimals) {
    Calcule();
    EXPECT_EQ(Textet(1).text(), "1.09971619");
    EXPECT_EQ(Textet(2).text(), "1.20937571");
    EXPECT_EQ(Textet(3).text(), "0.30");
    EXPECT_EQ(Textet(4).text(), "0.15");
    EXPECT_EQ(Eti("EtiPrep").caption(), " prep = 0.772");
    EXPECT_EQ(Eti("EtiPrept").caption(), " psrep = 0.230");
    EXPECT_EQ(Eti("EtiPreprep").caption(), " preprep = 0.426");
    EXPECT_EQ(Eti("EtiDecimales").caption(), "decimals 3");
    EXPECT_EQ(Eti("EtiICt", 1).caption(), "[-1.928,4.682]");
    EXPECT_EQ(Eti("EtiICt", 2).caption(), "[5.7430E-04,0.957]");
    EXPECT_EQ(Eti("EtiIC", 0).caption(), "[-0.301,0.979]");
    EXPECT_EQ(Eti("EtiIC", 1).caption(), "[-0.610,1.481]");
    EXPECT_EQ(Eti("EtiICL", 1).caption(), "");
    EXPECT_EQ(Eti("EtiICL", 2).caption(), "");
}

TEST_F(ExempleDemarrageTest, ShowsTheRawEffectIntervals) {
    ChoisitEffetBrut();
    Calcule();
    EXPECT_EQ(Eti("EtiIC", 0).caption(), "[-5.285,15.285]");
    EXPECT_EQ(Eti("EtiIC", 1).caption(), "[-9.545,19.545]");
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

TEST_F(ExempleDemarrageTest, TheEntriesAreLeftAsTyped) {
    Calcule();
    EXPECT_EQ(Textedf().text(), "9");
    EXPECT_EQ(Textealpha().text(), "0.05");
    EXPECT_EQ(TexteGamma().text(), "0.90");
    EXPECT_EQ(TexteEffet(0).text(), "0.34776080");
    EXPECT_EQ(module.CalculEnCours, Faux);
}

}  // namespace
}  // namespace ormane::testing
