// The K-prime calculator's computation against independent values: lambda = 0 is Student's
// t with df2 degrees of freedom, df1 infinite the noncentral t, both infinite the normal
// law about lambda (all from Boost.Math); the quantile against Student's and the normal
// quantiles and against its own definition; and the entries it refuses.
#include <gtest/gtest.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "csv_numbers.h"

#include "kprime/kprime_computation.h"

namespace ormane {
namespace {

constexpr double kInf = kDdlInfini;

EntreesKprime Limite(double nu1, double nu2, double lambda, double x) {
    return {nu1, nu2, lambda, ModeKprime::Limite, x};
}
EntreesKprime Probabilite(double nu1, double nu2, double lambda, double p) {
    return {nu1, nu2, lambda, ModeKprime::Probabilite, p};
}

double Relative(double a, double b) {
    return std::fabs(a - b) / std::fabs(b);
}

// The tails themselves are the library's (tests/basfun); here they reach the caller, an
// infinity written as kDdlInfini meaning the limit law.
TEST(KprimeComputation, TheLowerTailMatchesStudentNoncentralTAndNormalWithin1e14) {
    namespace bm = boost::math;
    const struct {
        EntreesKprime entrees;
        double F;  // P(K <= x), from Boost.Math
    } references[] = {
        {Limite(7, 1, 0, -7), bm::cdf(bm::students_t(1), -7.0)},
        {Limite(7, 9, 0, 0.3), bm::cdf(bm::students_t(9), 0.3)},
        {Limite(7, 40, 0, 5), bm::cdf(bm::students_t(40), 5.0)},
        {Limite(kInf, 4, -2, -1), bm::cdf(bm::non_central_t(4, -2), -1.0)},
        {Limite(kInf, 15, 0.5, 2.5), bm::cdf(bm::non_central_t(15, 0.5), 2.5)},
        {Limite(kInf, 60, 3, 6), bm::cdf(bm::non_central_t(60, 3), 6.0)},
        {Limite(kInf, 15, 3, 0.5), bm::cdf(bm::non_central_t(15, 3), 0.5)},
        {Limite(kInf, kInf, -4, -3), bm::cdf(bm::normal(), 1.0)},
        {Limite(kInf, kInf, 1.25, 4.5), bm::cdf(bm::normal(), 3.25)},
    };
    for (const auto& [e, F] : references) {
        const ResultatsKprime r = CalculeKprime(e);
        SCOPED_TRACE(::testing::Message() << "nu1 " << e.nu1 << " nu2 " << e.nu2 << " lambda "
                                          << e.lambda << " x " << e.valeur);
        ASSERT_EQ(r.etat, EtatKprime::Calcule);
        ASSERT_TRUE(r.inferieure && r.superieure);
        EXPECT_NEAR(*r.inferieure, F, 1e-14);
        EXPECT_NEAR(*r.inferieure + *r.superieure, 1.0, 1e-15);
        EXPECT_EQ(*r.x, e.valeur);
    }
}

TEST(KprimeComputation, TheQuantileMatchesStudentAndNormalQuantiles) {
    for (double p : {1e-6, 0.01, 0.3, 0.5, 0.9, 0.999}) {
        // In a far tail x is as good as the tail the distribution function gives there:
        // today the lower tail is accurate only in absolute terms (1e-17).
        const double admis = p < 1e-3 ? 1e-11 : 1e-12;
        for (double nu2 : {2.0, 9.0, 50.0}) {
            const double attendu = boost::math::quantile(boost::math::students_t(nu2), p);
            const ResultatsKprime r = CalculeKprime(Probabilite(5, nu2, 0, p));
            ASSERT_TRUE(r.x) << p << " " << nu2;
            if (attendu == 0) {
                EXPECT_NEAR(*r.x, 0, 1e-15);
            } else {
                EXPECT_LT(Relative(*r.x, attendu), admis) << p << " " << nu2;
            }
        }
        const double normal = 2.0 + boost::math::quantile(boost::math::normal(), p);
        const ResultatsKprime r = CalculeKprime(Probabilite(kInf, kInf, 2.0, p));
        ASSERT_TRUE(r.x);
        EXPECT_LT(Relative(*r.x, normal), admis) << p;
    }
}

TEST(KprimeComputation, TheQuantileGivesBackItsProbability) {
    for (const EntreesKprime& e : {Probabilite(3, 8, 1.5, 0.025), Probabilite(20, 5, -2, 0.6),
                                   Probabilite(9, kInf, 10, 0.99), Probabilite(kInf, 12, 3, 0.1),
                                   Probabilite(1, 1, 0.5, 0.8)}) {
        const ResultatsKprime r = CalculeKprime(e);
        ASSERT_TRUE(r.x && r.inferieure) << e.valeur;
        EXPECT_NEAR(*r.inferieure, e.valeur, 1e-13 * std::fmax(1.0, e.valeur));
    }
}

TEST(KprimeComputation, TheMedianOfTheNoncentralTAndOfTheNormalLaw) {
    for (double lambda : {-1.0, 0.0, 2.0}) {
        const double attendu = boost::math::median(boost::math::non_central_t(10, lambda));
        const ResultatsKprime r = CalculeKprime(Limite(kInf, 10, lambda, 0));
        ASSERT_TRUE(r.mediane);
        EXPECT_NEAR(*r.mediane, attendu, 1e-11 * std::fmax(1.0, std::fabs(attendu))) << lambda;
    }
    EXPECT_NEAR(*CalculeKprime(Limite(kInf, kInf, -0.75, 0)).mediane, -0.75, 1e-13);
    EXPECT_EQ(*CalculeKprime(Limite(3, 4, 0, 0)).mediane, 0.0);
}

// data/kprime-extremes.tsv (written by kprime_extremes_reference.py): tiny df, whose limits
// are Student's laws, and huge df with a huge lambda, against closed forms and integrals over
// the chi variable at 50 digits. Each within its relative tolerance, with nothing missing.
TEST(KprimeComputation, ExtremeEntriesMatchTheirLimitsAndIntegrals) {
    const auto lignes = LitChamps(KPRIME_DATA_DIR "/kprime-extremes.tsv", '\t');
    EXPECT_EQ(lignes.size(), 50u);
    const auto nombre = [](const std::string& s) {
        return s == "inf" ? kInf : std::strtod(s.c_str(), nullptr);
    };
    for (const auto& l : lignes) {
        ASSERT_EQ(l.size(), 8u);
        SCOPED_TRACE(l[0] + " " + l[1] + " " + l[2] + " " + l[3] + " " + l[4] + " " + l[5]);
        const EntreesKprime e{nombre(l[0]), nombre(l[1]), nombre(l[2]),
                              l[3] == "x" ? ModeKprime::Limite : ModeKprime::Probabilite,
                              nombre(l[4])};
        const ResultatsKprime r = CalculeKprime(e);
        ASSERT_EQ(r.etat, EtatKprime::Calcule);
        const std::optional<double> vu = l[5] == "cdf"      ? r.inferieure
                                         : l[5] == "sf"     ? r.superieure
                                         : l[5] == "x"      ? r.x
                                         : l[5] == "mean"   ? r.moyenne
                                         : l[5] == "median" ? r.mediane
                                                            : r.ecartType;
        ASSERT_TRUE(vu.has_value());
        const double reference = nombre(l[6]);
        EXPECT_NEAR(*vu, reference, nombre(l[7]) * std::fabs(reference));
    }
}

TEST(KprimeComputation, MomentsOnlyWhereTheyExistAndNothingWhereItCannotCompute) {
    const ResultatsKprime cauchy = CalculeKprime(Limite(4, 1, 1, 1));
    EXPECT_EQ(cauchy.etat, EtatKprime::Calcule);
    EXPECT_FALSE(cauchy.moyenne || cauchy.ecartType);
    EXPECT_TRUE(cauchy.mediane);
    EXPECT_FALSE(cauchy.echecNumerique);
    const ResultatsKprime deux = CalculeKprime(Limite(4, 2, 1, 1));
    EXPECT_TRUE(deux.moyenne);
    EXPECT_FALSE(deux.ecartType);
    EXPECT_FALSE(deux.echecNumerique);
    // What it cannot compute.
    EXPECT_EQ(CalculeKprime(Limite(0, 5, 1, 1)).etat, EtatKprime::Nu1Invalide);
    EXPECT_EQ(CalculeKprime(Limite(5, -1, 1, 1)).etat, EtatKprime::Nu2Invalide);
    for (double p : {0.0, 1.0, -0.5, 2.0}) {
        const ResultatsKprime r = CalculeKprime(Probabilite(5, 5, 1, p));
        EXPECT_EQ(r.etat, EtatKprime::ProbabiliteHorsLimites) << p;
        EXPECT_FALSE(r.x || r.inferieure || r.moyenne);
    }
}

}  // namespace
}  // namespace ormane
