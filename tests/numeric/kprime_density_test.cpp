// The K-prime density against what it must be: a density (its integral is 1), whose mass
// above 0 is Student's distribution at lambda (the program's own Student function), equal
// to Student's closed-form density when lambda = 0, and the slope of the library's
// distribution function (a central difference); for few degrees of freedom on U, against a
// table computed at 40 digits (data/kprime_density_reference.py), which the folded integral
// meets to its last digits.
#include <gtest/gtest.h>

#include <boost/math/quadrature/exp_sinh.hpp>
#include <cmath>
#include <vector>

#include "csv_numbers.h"

#include "numeric/kprime_density.h"
#include "numeric/kprime_density_folded.h"
#include "numeric/special_functions.h"
#include "numeric/student.h"

namespace ormane {
namespace {

struct Parametres {
    double nu1, nu2, lambda;
};

double Densite(double x, const Parametres& p) {
    const std::optional<double> f = DensiteKprime(x, p.nu1, p.nu2, p.lambda);
    EXPECT_TRUE(f.has_value()) << x;
    return f.value_or(NAN);
}

double StudentFerme(double x, double nu) {
    return std::exp(std::lgamma((nu + 1) / 2) - std::lgamma(nu / 2)) / std::sqrt(nu * M_PI) *
           std::pow(1 + x * x / nu, -(nu + 1) / 2);
}

class DensiteKprimeTest : public ::testing::TestWithParam<Parametres> {};

TEST_P(DensiteKprimeTest, IntegratesToOneWithStudentsMassAboveZero) {
    const Parametres p = GetParam();
    boost::math::quadrature::exp_sinh<double> integrale;
    const double dessus = integrale.integrate([&](double x) { return Densite(x, p); }, 0.0,
                                              std::numeric_limits<double>::infinity());
    const double dessous = integrale.integrate([&](double x) { return Densite(-x, p); }, 0.0,
                                               std::numeric_limits<double>::infinity());
    EXPECT_NEAR(dessus + dessous, 1.0, 1e-9);
    // P(K > 0) = P(Z + lambda U > 0) = P(T_nu1 < lambda).
    CodeErreur erreur = kSucces;
    const double student = RepartitionStudent(p.lambda, p.nu1, kPrecisionStudent, erreur);
    ASSERT_EQ(erreur, kSucces);
    EXPECT_NEAR(dessus, student, 1e-9);
}

TEST_P(DensiteKprimeTest, IsTheSlopeOfTheLibrarysDistributionFunction) {
    const Parametres p = GetParam();
    const double h = 1e-4;
    for (double x : {-3.0, -1.0, 0.0, 0.4, 1.5, 3.0, 6.0}) {
        CodeErreur erreur = kSucces;
        const double haut = RepartitionKprime(x + h, p.nu1, p.nu2, p.lambda, 1e-13, erreur);
        const double bas = RepartitionKprime(x - h, p.nu1, p.nu2, p.lambda, 1e-13, erreur);
        ASSERT_EQ(erreur, kSucces) << x;
        // The difference's own error: h^2 f''' / 6 and 1e-13 / h from the two values.
        EXPECT_NEAR(Densite(x, p), (haut - bas) / (2 * h), 5e-8) << "x = " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Parametres, DensiteKprimeTest,
                         ::testing::Values(Parametres{9, 9, 0.7776}, Parametres{9, 9, 0},
                                           Parametres{1, 1, 3}, Parametres{2, 50, 6},
                                           Parametres{30, 10, -2}, Parametres{5, 5, -0.3},
                                           Parametres{20, 80, 2.5 * std::sqrt(0.8)},
                                           Parametres{9, 1e300, 4}, Parametres{0.01, 1, 20},
                                           Parametres{0.5, 3, 6}, Parametres{0.05, 1, -5}));

TEST(DensiteKprime, WithLambdaZeroIsStudentsDensity) {
    for (double nu : {1.0, 2.0, 9.0, 45.5, 1000.0}) {
        for (double x : {0.0, 0.3, -1.2, 2.5, 10.0}) {
            const double attendu = StudentFerme(x, nu);
            EXPECT_NEAR(*DensiteKprime(x, 4, nu, 0), attendu, 1e-13 * attendu)
                << "nu = " << nu << ", x = " << x;
        }
    }
}

TEST(DensiteKprime, MatchesAFortyDigitTableForFewDegreesOfFreedomOnU) {
    const std::vector<LigneCsv> lignes = LitCsv(KPRIME_DENSITY_REFERENCE_CSV);
    ASSERT_EQ(lignes.size(), 1813u);
    for (const LigneCsv& l : lignes) {
        const auto& v = l.valeurs;
        ASSERT_EQ(v.size(), 5u) << l.texte;
        const double x = v[0], nu1 = v[1], nu2 = v[2], lambda = v[3], attendu = v[4];
        const std::optional<double> f = DensiteKprime(x, nu1, nu2, lambda);
        ASSERT_TRUE(f.has_value()) << l.texte;
        // The series is accurate to 1e-13 of the density's scale: far on the side opposite
        // lambda its tiny values carry that absolute error.
        EXPECT_NEAR(*f, attendu, 1e-10 * attendu + 5e-14) << l.texte;
        // The folded integral alone, where the series would serve too: to its last digits.
        if (nu1 < kNu1MaxRepli) {
            const std::optional<double> g = DensiteKprimeRepliee(x, nu1, nu2, lambda);
            ASSERT_TRUE(g.has_value()) << l.texte;
            EXPECT_NEAR(*g, attendu, 2e-12 * attendu) << l.texte;
        }
    }
}

TEST(DensiteKprime, RefusesParametersOutsideItsRange) {
    EXPECT_FALSE(DensiteKprime(1, 0, 9, 1));
    EXPECT_FALSE(DensiteKprime(1, 9, -1, 1));
    EXPECT_FALSE(DensiteKprime(NAN, 9, 9, 1));
    EXPECT_FALSE(DensiteKprime(1, 9, 9, INFINITY));
}

}  // namespace
}  // namespace ormane
