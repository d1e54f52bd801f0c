// Every routine that reaches libbasfun, with the library out of reach: defined failures,
// never a crash.
#include <gtest/gtest.h>

#include "numeric/distribution.h"
#include "numeric/psrep.h"
#include "numeric/quantile_search.h"
#include "numeric/special_functions.h"
#include "numeric/student.h"

namespace ormane {
namespace {

class BibliothequeHorsDePortee : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { DefinitCheminBasfunPourTests(GetParam()); }
    void TearDown() override { DefinitCheminBasfunPourTests(std::nullopt); }
};

// A file that does not exist, and a library without the entry point.
INSTANTIATE_TEST_SUITE_P(Absente, BibliothequeHorsDePortee,
                         ::testing::Values("/nonexistent/libbasfun.so", "libm.so.6"));

TEST_P(BibliothequeHorsDePortee, LibraryCallsFailWithMinusOneAndZero) {
    CodeErreur erreur = kSucces;
    EXPECT_EQ(BetaIncomplete(0.5, 0.5, 2.0, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
    erreur = kSucces;
    EXPECT_EQ(RepartitionKprime(0.5, 9.0, 9.0, 1.0, 1e-9, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
}

TEST_P(BibliothequeHorsDePortee, StudentFailsWithMinusOneAndMinusOne) {
    for (const double nu : {9.0, 1e6}) {
        CodeErreur erreur = kSucces;
        EXPECT_EQ(RepartitionStudent(1.3, nu, 1e-12, erreur), -1.0) << nu;
        EXPECT_EQ(erreur, kEchec) << nu;
    }
    CodeErreur erreur = kSucces;
    EXPECT_EQ(RepartitionLoi("K", 1.3, 0.0, 9.0, 9.0, 0.0, 1.0, 1e-9, erreur), -1.0);
    EXPECT_EQ(erreur, kEchec);
}

TEST_P(BibliothequeHorsDePortee, StudentNeedsNoLibraryForExtremeT) {
    CodeErreur erreur = kEchec;
    EXPECT_EQ(RepartitionStudent(2e100, 9.0, 1e-12, erreur), 1.0);
    EXPECT_EQ(erreur, kSucces);
}

TEST_P(BibliothequeHorsDePortee, PrepIsZero) {
    CodeErreur erreur = kSucces;
    EXPECT_EQ(CalculPrep(1.3, 9.0, 1.0, erreur), 0.0);
}

TEST_P(BibliothequeHorsDePortee, SearchesAndPredictiveProbabilitiesFail) {
    double pas = 1.0;
    CodeErreur erreur = kSucces;
    EXPECT_EQ(QuantileLoi("t", Vrai, -1e300, Vrai, 1e300, 0.0, pas, 0.15, 0.0, 9.0, 0.0, 0.0, 0.0,
                          0.0, 1.0, 1e-16, erreur),
              0.0);
    EXPECT_EQ(erreur, kEchec);
    erreur = kSucces;
    EXPECT_EQ(CalculePsrep(0.025, 1.1, 9.0, 9.0, 1.0, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
    erreur = kSucces;
    EXPECT_EQ(CalculePpreprep(0.9, 1.1, 9.0, 9.0, 1.0, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
}

}  // namespace
}  // namespace ormane
