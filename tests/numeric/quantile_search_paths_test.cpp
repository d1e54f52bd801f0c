// The search's rarer paths, driven by a stand-in libbasfun whose function 5 is a normal
// distribution function shifted by lambda, with a jump of nu1 at lambda and capped at nu2.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "numeric/quantile_search.h"
#include "numeric/special_functions.h"

namespace ormane {
namespace {

class RechercheSurRepartitionFactice : public ::testing::Test {
  protected:
    void SetUp() override {
        DefinitCheminBasfunPourTests(ORMANE_BASFUN_FACTICE);
        poignee_ = dlopen(ORMANE_BASFUN_FACTICE, RTLD_NOW);
        ASSERT_NE(poignee_, nullptr);
        appels_ = static_cast<std::int32_t*>(dlsym(poignee_, "basfun_factice_appels"));
        ASSERT_NE(appels_, nullptr);
        *appels_ = 0;
    }
    void TearDown() override {
        DefinitCheminBasfunPourTests(std::nullopt);
        if (poignee_ != nullptr) dlclose(poignee_);
    }

    double Cherche(double p, double saut, double plafond, double lambda, double tolerance,
                   CodeErreur& erreur) {
        double pas = 1.0;
        return QuantileLoi("K", Vrai, -1e300, Vrai, 1e300, 0.0, pas, p, 0.0, saut, plafond, 0.0,
                           lambda, 0.0, 1.0, tolerance, erreur);
    }

    void* poignee_ = nullptr;
    std::int32_t* appels_ = nullptr;
};

TEST_F(RechercheSurRepartitionFactice, JumpOverAToleranceAbove1e7IsAcceptedWithARemark) {
    // F jumps from 0.5 - 5e-7 to 0.5 + 5e-7 at 0.3: no point meets 2e-7, the bracket
    // closes on the jump, and the last value is within 1e-6.
    CodeErreur erreur = 99;
    EXPECT_NEAR(Cherche(0.5, 1e-6, 1.0, 0.3, 2e-7, erreur), 0.3, 1e-14);
    EXPECT_EQ(erreur, kSuccesAvecRemarque);
}

TEST_F(RechercheSurRepartitionFactice, JumpOverAToleranceOf1e7OrLessIsAPlainSuccess) {
    CodeErreur erreur = 99;
    EXPECT_NEAR(Cherche(0.5, 1e-6, 1.0, 0.3, 1e-7, erreur), 0.3, 1e-14);
    EXPECT_EQ(erreur, kSucces);
}

TEST_F(RechercheSurRepartitionFactice, JumpLargerThan1e6Fails) {
    CodeErreur erreur = 99;
    EXPECT_EQ(Cherche(0.5, 4e-6, 1.0, 0.3, 1e-7, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
}

TEST_F(RechercheSurRepartitionFactice, WalksAndEnlargesUpwardsAndDownwards) {
    // No variance is available here, so the walk steps by 1 and must enlarge past 101.
    for (const double lambda : {500.0, -500.0}) {
        CodeErreur erreur = 99;
        EXPECT_NEAR(Cherche(0.8, 0.0, 1.0, lambda, 1e-12, erreur), lambda + 0.8416212335729143,
                    1e-11);
        EXPECT_EQ(erreur, kSucces);
        EXPECT_LE(*appels_, 1 + 12 * 101 + 100);
        *appels_ = 0;
    }
}

TEST_F(RechercheSurRepartitionFactice, UnreachableProbabilityEndsWithinTheEvaluationBound) {
    // F never exceeds 0.25: the upward walk enlarges until its step overflows.
    CodeErreur erreur = 99;
    EXPECT_EQ(Cherche(0.5, 0.0, 0.25, 0.0, 1e-10, erreur), 0.0);
    EXPECT_EQ(erreur, kEchec);
    EXPECT_GT(*appels_, 101);
    EXPECT_LE(*appels_, 1 + 12 * 101 + 100);
}

}  // namespace
}  // namespace ormane
