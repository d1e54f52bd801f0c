// Planning a replication, checked independently of the search: the n' found reaches P and
// n' - 1 does not, by prep, psrep and ppreprep called directly at those sizes; prep's n'
// against its closed form; the limits against Student's distribution (Boost.Math) and
// against the probabilities at a billion per cell; one-sample designs among them; unreachable
// targets.
#include "numeric/replication_plan.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <vector>

#include "numeric/psrep.h"
#include "numeric/student.h"

namespace ormane {
namespace {

struct Cas {
    double t, df;
    std::int32_t K;
    CiblePlan cible;
    double alpha, gamma, P;
};

// The target's probability at n' per cell, computed here from the definitions.
double Directe(const Cas& k, std::int64_t nFutur) {
    const double n = (k.df + k.K) / k.K;
    const double c = static_cast<double>(nFutur) / n;
    const double nuR = k.K * static_cast<double>(nFutur - 1);
    CodeErreur erreur = kSucces;
    double v = 0;
    switch (k.cible) {
        case CiblePlan::Prep:
            v = CalculPrep(k.t, k.df, c, erreur);
            break;
        case CiblePlan::Psrep:
            v = CalculePsrep(k.alpha, k.t, k.df, nuR, c, erreur);
            break;
        case CiblePlan::Ppreprep:
            v = CalculePpreprep(k.gamma, k.t, k.df, nuR, c, erreur);
            break;
    }
    EXPECT_EQ(erreur, kSucces);
    return v;
}

DemandePlan Demande(const Cas& k) {
    return {.t = k.t,
            .df = k.df,
            .alpha = k.alpha,
            .gamma = k.gamma,
            .cible = k.cible,
            .probabilite = k.P,
            .cellules = k.K};
}

using enum CiblePlan;
const Cas kCas[] = {
    {1.0997, 9, 2, Psrep, 0.025, 0.9, 0.8},    {1.0997, 9, 2, Prep, 0.025, 0.9, 0.8},
    {1.0997, 9, 2, Ppreprep, 0.025, 0.9, 0.8}, {1.0997, 9, 1, Psrep, 0.025, 0.9, 0.6},
    {-2.5, 20, 2, Psrep, 0.025, 0.9, 0.9},     {2.5, 20, 1, Ppreprep, 0.05, 0.95, 0.95},
    {4.0, 3, 3, Psrep, 0.005, 0.9, 0.7},       {0.8, 100, 4, Prep, 0.025, 0.9, 0.75},
    {6.0, 40, 2, Psrep, 0.025, 0.9, 0.999},    {1.5, 2.5, 2, Ppreprep, 0.025, 0.6, 0.8},
    {1.0997, 9, 2, Psrep, 0.025, 0.9, 0.849},  {3.0, 1e6, 2, Psrep, 0.025, 0.9, 0.99},
    {2.0, 12, 1000, Psrep, 0.025, 0.9, 0.9},
};

TEST(PlanifieReplique, TheFoundSizeReachesPAndOneLessDoesNot) {
    for (const Cas& k : kCas) {
        SCOPED_TRACE(testing::Message() << "t=" << k.t << " df=" << k.df << " K=" << k.K
                                        << " target=" << static_cast<int>(k.cible) << " P=" << k.P);
        const ResultatPlan r = PlanifieReplique(Demande(k));
        ASSERT_EQ(r.issue, IssuePlan::Atteinte);
        ASSERT_TRUE(r.nFutur.has_value());
        const std::int64_t n = *r.nFutur;
        EXPECT_GE(Directe(k, n), k.P);
        if (n > kNFuturMinimum) {
            EXPECT_LT(Directe(k, n - 1), k.P);
        }
        EXPECT_DOUBLE_EQ(r.nObserve, (k.df + k.K) / k.K);
        EXPECT_DOUBLE_EQ(r.c, static_cast<double>(n) / r.nObserve);
        EXPECT_DOUBLE_EQ(r.dfR, k.K * static_cast<double>(n - 1));
        EXPECT_DOUBLE_EQ(r.atteinte, Directe(k, n));
        EXPECT_LE(r.evaluations, 64);
    }
}

// prep = F(|t| sqrt(c/(c+1)); df) >= P  <=>  c >= s^2/(1 - s^2) with s = t(P; df)/|t|.
TEST(PlanifieReplique, PrepFollowsItsClosedForm) {
    for (const double df : {4.0, 9.0, 30.0}) {
        for (const double t : {1.0, 2.2, 3.5}) {
            for (const double P : {0.7, 0.8}) {
                const boost::math::students_t student(df);
                const double s = boost::math::quantile(student, P) / t;
                if (s >= 1) continue;  // beyond the limit
                const double n = (df + 2) / 2;
                const double cMin = s * s / (1 - s * s);
                const auto attendu = std::max<std::int64_t>(
                    kNFuturMinimum, static_cast<std::int64_t>(std::ceil(n * cMin - 1e-9)));
                const DemandePlan d{.t = t, .df = df, .cible = CiblePlan::Prep, .probabilite = P};
                EXPECT_EQ(PlanifieReplique(d).nFutur, attendu) << df << " " << t << " " << P;
            }
        }
    }
}

TEST(LimiteCible, IsOneMinusTheOneTailedPAndTheProbabilitiesTendToIt) {
    const boost::math::normal normale;
    for (const Cas& k : kCas) {
        const DemandePlan d = Demande(k);
        CodeErreur erreur = kSucces;
        const double limite = LimiteCible(d, erreur);
        EXPECT_EQ(erreur, kSucces);
        const double attendue =
            k.df >= 100000 ? boost::math::cdf(normale, std::fabs(k.t))
                           : boost::math::cdf(boost::math::students_t(k.df), std::fabs(k.t));
        EXPECT_NEAR(limite, attendue, 1e-12);
        // At n' the future threshold is about z/sqrt(c + 1) above 0, where a density below
        // 1/2 stands: the deficit is at most half of it.
        const double nMax = static_cast<double>(kNFuturMaximum);
        const double c = nMax / ((k.df + k.K) / k.K);
        const double niveau = k.cible == CiblePlan::Psrep      ? 1 - k.alpha
                              : k.cible == CiblePlan::Ppreprep ? k.gamma
                                                               : 0.5;
        const double ecart = 0.5 * boost::math::quantile(normale, niveau) / std::sqrt(c + 1);
        const double auBout = Directe(k, kNFuturMaximum);
        EXPECT_LE(auBout, limite + 1e-9);
        EXPECT_GE(auBout, limite - ecart - 1e-6);
    }
}

TEST(PlanifieReplique, ATargetAtOrAboveItsLimitCannotBeReached) {
    DemandePlan d{.t = 1.0997, .df = 9};
    CodeErreur erreur = kSucces;
    const double limite = LimiteCible(d, erreur);
    for (const CiblePlan cible : {CiblePlan::Prep, CiblePlan::Psrep, CiblePlan::Ppreprep}) {
        d.cible = cible;
        for (const double P : {limite, std::nextafter(limite, 1.0), 0.95}) {
            d.probabilite = P;
            const ResultatPlan r = PlanifieReplique(d);
            EXPECT_EQ(r.issue, IssuePlan::LimiteAtteinte);
            EXPECT_FALSE(r.nFutur);
            EXPECT_EQ(r.limite, limite);
        }
        // Just below the limit: psrep and ppreprep would need more than a billion per cell.
        if (cible == CiblePlan::Prep) continue;
        d.probabilite = limite - 1e-7;
        const ResultatPlan r = PlanifieReplique(d);
        EXPECT_EQ(r.issue, IssuePlan::HorsDePortee);
        EXPECT_FALSE(r.nFutur);
        EXPECT_LE(r.evaluations, 64);
    }
}

// prep is 1/2 at any size, its limit too: 1/2 itself is out of reach, as the limit always is.
TEST(PlanifieReplique, WithoutAnEffectNothingFromOneHalfOnIsReached) {
    DemandePlan d{.t = 0, .df = 9, .cible = CiblePlan::Prep, .probabilite = 0.4};
    EXPECT_EQ(PlanifieReplique(d).nFutur, kNFuturMinimum);
    for (const double P : {0.5, 0.6}) {
        d.probabilite = P;
        const ResultatPlan r = PlanifieReplique(d);
        EXPECT_EQ(r.issue, IssuePlan::LimiteAtteinte) << P;
        EXPECT_EQ(r.limite, 0.5);
    }
}

// The limit of an observation typed as a p is that p's complement, which a user types as P:
// a t found to the last digit (Boost.Math) gives a limit a rounding away from it, still at it.
TEST(PlanifieReplique, APTypedAsTheLimitIsAtIt) {
    for (const double df : {3.0, 20.0, 1000.0}) {
        for (const double P : {0.6, 0.975, 0.995, 0.9999}) {
            const double t = boost::math::quantile(boost::math::students_t(df), P);
            for (const CiblePlan cible : {CiblePlan::Prep, CiblePlan::Psrep, CiblePlan::Ppreprep}) {
                const DemandePlan d{.t = t, .df = df, .cible = cible, .probabilite = P};
                EXPECT_EQ(PlanifieReplique(d).issue, IssuePlan::LimiteAtteinte)
                    << df << " " << P << " " << static_cast<int>(cible);
            }
        }
    }
}

TEST(PlanifieReplique, RefusedRequestsAndFailedProbabilitiesGiveNoSize) {
    // psrep fails for alpha 0.
    for (const DemandePlan& d :
         {DemandePlan{.t = 2, .df = 9, .probabilite = 1},
          DemandePlan{.t = 2, .df = 9, .probabilite = 0}, DemandePlan{.t = 2, .df = 0},
          DemandePlan{.t = 2, .df = 9, .cellules = 0}, DemandePlan{.t = 2, .df = 9, .alpha = 0}}) {
        const ResultatPlan r = PlanifieReplique(d);
        EXPECT_EQ(r.issue, IssuePlan::EchecNumerique);
        EXPECT_FALSE(r.nFutur);
    }
}

}  // namespace
}  // namespace ormane
