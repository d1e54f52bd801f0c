// The starting values of the K-prime series summed from index 0, against long double values:
// the closed forms of w(0), w(1/2), 1 - J(1), D(1/2), D(1) (relative error) against Boost.Math's
// densities, and the short series of the two-sided Student tails I_z(b, 1/2), z <= 1/2
// (absolute error) against its incomplete beta. Past nu = 1e4 long double itself loses
// nu * 2^-64 in (1 - y)^(nu/2) formed as a power, and Boost's densities with it: there the
// references are exp(b log1p(-y)) and its multiples.
#include <gtest/gtest.h>

#include <boost/math/special_functions/beta.hpp>
#include <cmath>

#include "fonction_incomplete.h"
#include "poids_melange.h"
#include "serie_beta_demi.h"

namespace {

using namespace basfun_interne;
namespace bm = boost::math;
using Long = long double;

void AttendRelatif(double obtenu, Long attendu, double relative) {
    EXPECT_NEAR(obtenu / static_cast<double>(attendu), 1.0, relative)
        << obtenu << " vs " << static_cast<double>(attendu);
}

// The density of a beta law, on whichever of z and 1 - z keeps its digits.
Long DensiteBeta(Long a, Long b, Long z, Long unMoinsZ) {
    return z <= 0.5L ? bm::ibeta_derivative(a, b, z) : bm::ibeta_derivative(b, a, unMoinsZ);
}

// (1 - z)^b without the power's loss for a huge b.
Long PuissanceComplement(Long z, Long b) {
    return std::exp(b * std::log1p(-z));
}

TEST(KprimeValeursDebut, IncompleteFunctionOfABeta) {
    // Up to x^2/2 = 50, where the exponential's relative error stays near 1e-14.
    for (double nu2 : {0.5, 2.5, 12.0, 200.0, 1e4, 1e7}) {
        for (double x : {1e-3, 0.4, 1.5, 4.0, 10.0, -7.0}) {
            const FonctionIncomplete::Debut d = FonctionIncomplete::Beta(x, nu2).ValeursDebut();
            const Long x2 = static_cast<Long>(x) * x, b = nu2 / 2.0L;
            const Long y = x2 / (x2 + nu2), unMoinsY = nu2 / (x2 + nu2);
            const Long complementUn = PuissanceComplement(y, b);
            AttendRelatif(d.complementUn, complementUn, 1e-13);
            if (nu2 <= 1e4) {
                // D(a) = y^a (1 - y)^b / (a B(a, b)) = density(a, b) y (1 - y) / a.
                AttendRelatif(d.ecartDemi, DensiteBeta(0.5L, b, y, unMoinsY) * y * unMoinsY / 0.5L,
                              1e-13);
                AttendRelatif(d.ecartUn, DensiteBeta(1, b, y, unMoinsY) * y * unMoinsY, 1e-13);
            } else {
                // D(1/2) = 2 / sqrt(pi) sqrt(y) (1 - y)^b Gamma(b + 1/2) / Gamma(b),
                // D(1) = b y (1 - y)^b.
                const Long racinePi = std::sqrt(3.14159265358979323846264338327950288L);
                AttendRelatif(
                    d.ecartDemi,
                    2 / racinePi * std::sqrt(y) * complementUn / bm::tgamma_delta_ratio(b, 0.5L),
                    1e-13);
                AttendRelatif(d.ecartUn, b * y * complementUn, 1e-13);
            }
        }
    }
}

TEST(KprimeValeursDebut, IncompleteFunctionOfAGamma) {
    for (double x : {1e-3, 0.4, 1.5, 4.0, 10.0, -7.0}) {
        const FonctionIncomplete::Debut d = FonctionIncomplete::Gamma(x).ValeursDebut();
        const Long z = static_cast<Long>(x) * x / 2;
        // D(a) = z^a e^-z / Gamma(a + 1), the derivative of P(a + 1, z).
        AttendRelatif(d.complementUn, std::exp(-z), 1e-13);
        AttendRelatif(d.ecartDemi, bm::gamma_p_derivative(1.5L, z), 1e-13);
        AttendRelatif(d.ecartUn, bm::gamma_p_derivative(2.0L, z), 1e-13);
    }
}

TEST(KprimeValeursDebut, MixingWeights) {
    // Up to lambda^2/2 = 50.
    for (double nu1 : {0.5, 1.5, 5.0, 30.0, 1e3, 1e7}) {
        for (double lambda : {-10.0, -2.5, 1e-3, 0.7, 5.0}) {
            const PoidsMelange::Debut w =
                PoidsMelange::BinomialeNegative(nu1, lambda).ValeursDebut();
            const Long l2 = static_cast<Long>(lambda) * lambda, r = nu1 / 2.0L;
            const Long pi = l2 / (l2 + nu1), unMoinsPi = nu1 / (l2 + nu1);
            AttendRelatif(w.zero, PuissanceComplement(pi, r), 1e-13);
            if (nu1 > 1e4) continue;
            // w(t) = density(t + 1, r) at pi, times (1 - pi) / (t + r).
            AttendRelatif(w.demi, DensiteBeta(1.5L, r, pi, unMoinsPi) * unMoinsPi / (0.5L + r),
                          1e-13);
        }
    }
    for (double lambda : {-10.0, 0.7, 5.0}) {
        const PoidsMelange::Debut w = PoidsMelange::Poisson(lambda).ValeursDebut();
        const Long mu = static_cast<Long>(lambda) * lambda / 2;
        AttendRelatif(w.zero, std::exp(-mu), 1e-13);
        AttendRelatif(w.demi, bm::gamma_p_derivative(1.5L, mu), 1e-13);
    }
}

TEST(KprimeValeursDebut, ShortSeriesOfTheTwoSidedStudentTail) {
    for (double b : {0.25, 1.0, 2.5, 10.0, 300.0, 5e6}) {
        for (double z : {1e-9, 1e-3, 0.05, 0.2, 0.37, 0.5}) {
            // First term z^b (1 - z)^(1/2) / (b B(b, 1/2)) = density(b, 1/2) z (1 - z) / b.
            const Long zl = z;
            const double e0 = static_cast<double>(
                bm::ibeta_derivative(static_cast<Long>(b), 0.5L, zl) * zl * (1 - zl) / b);
            const double attendu = static_cast<double>(bm::ibeta(static_cast<Long>(b), 0.5L, zl));
            EXPECT_NEAR(BetaDemiParSerie(e0, z, b, 1e-17), attendu, 1e-15) << b << " " << z;
            // A looser precision stays within itself.
            EXPECT_NEAR(BetaDemiParSerie(e0, z, b, 1e-9), attendu, 1e-9) << b << " " << z;
        }
    }
}

}  // namespace
