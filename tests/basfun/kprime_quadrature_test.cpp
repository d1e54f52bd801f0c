// The K-prime distribution against a slow brute-force integral over the chi variable U:
//   F = E_U[ F_nct(x; nu2 df, noncentrality lambda U) ]     (Boost's noncentral t)
//   F = E_U[ Phi(x - lambda U) ]                             (nu2 infinite),
// by composite Gauss-Legendre in log U on a fixed mesh, graded towards the peak of U's
// density and towards the point where lambda U crosses x. Small and huge nu, large |lambda|
// and both tails.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <vector>

#include "appel_basfun.h"

namespace {

double ParQuadrature(double x, double nu1, double nu2, double lambda) {
    const bool infini = nu2 >= 1e300;
    // Density of tau = log U: U^2 nu1 / 2 ~ Gamma(nu1 / 2).
    auto densite = [nu1](double tau) {
        const double v = nu1 / 2 * std::exp(2 * tau);
        return 2 * v * boost::math::gamma_p_derivative(nu1 / 2, v);
    };
    auto conditionnelle = [&](double tau) {
        const double u = std::exp(tau);
        if (infini) return 0.5 * boost::math::erfc(-(x - lambda * u) / std::sqrt(2.0));
        return boost::math::cdf(boost::math::non_central_t(nu2, lambda * u), x);
    };
    // Mass outside [lo, hi] below 1e-17: P(U < u) ~ u^nu1 and the gamma upper tail.
    const double sigma = 1 / std::sqrt(2 * nu1);
    const double lo = -(40.0 + std::log(nu1 + 1)) / nu1 - 1;
    const double hi = 0.5 * std::log(boost::math::gamma_q_inv(nu1 / 2, 1e-18) * 2 / nu1) + sigma;
    std::vector<double> coupures{lo, hi};
    for (double t = lo; t < hi; t += 0.25) coupures.push_back(t);
    for (int k = -16; k <= 16; ++k) coupures.push_back(k * std::min(sigma, 0.25) / 2);
    if (lambda != 0 && x / lambda > 0) {
        const double etoile = std::log(x / lambda);
        for (int k = 0; k <= 20; ++k) {
            coupures.push_back(etoile + std::ldexp(1.0, -k));
            coupures.push_back(etoile - std::ldexp(1.0, -k));
        }
        coupures.push_back(etoile);
    }
    std::erase_if(coupures, [&](double t) { return t < lo || t > hi; });
    std::sort(coupures.begin(), coupures.end());
    double somme = 0;
    for (std::size_t i = 0; i + 1 < coupures.size(); ++i) {
        if (coupures[i + 1] <= coupures[i]) continue;
        somme += boost::math::quadrature::gauss<double, 20>::integrate(
            [&](double tau) { return densite(tau) * conditionnelle(tau); }, coupures[i],
            coupures[i + 1]);
    }
    return somme;
}

struct Point {
    double x, nu1, nu2, lambda;
};

class KprimeQuadrature : public testing::TestWithParam<Point> {};

TEST_P(KprimeQuadrature, MatchesBruteForceIntegral) {
    const Point p = GetParam();
    const ResultatBasfun r = Kprime(p.x, p.nu1, p.nu2, p.lambda);
    EXPECT_EQ(r.statut, 0);
    EXPECT_NEAR(r.valeur, ParQuadrature(p.x, p.nu1, p.nu2, p.lambda), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    PointsDifficiles, KprimeQuadrature,
    testing::Values(
        // Small nu1 with large |lambda|: the weights of the series decay like pi^j, pi ~ 1.
        Point{45, 0.5, 1e300, 50}, Point{-3, 0.5, 1e300, -50}, Point{400, 0.5, 1e300, 50},
        Point{-120, 0.5, 1e300, -20}, Point{2, 1.5, 1e300, 20}, Point{130, 1.5, 1e300, 20},
        Point{45, 0.5, 1.5, 20}, Point{-8, 0.5, 0.5, -20}, Point{300, 1.5, 0.5, 20},
        Point{-2000, 0.5, 1.5, 20}, Point{60, 1.5, 30, 50}, Point{-25, 1.5, 30, -50},
        // Far tails, where the value is tiny or close to 1.
        Point{-6, 4, 1e300, 3}, Point{-40, 1.5, 2.5, 12}, Point{30, 11, 7, -4.2},
        Point{-1.2, 60, 400, 3}, Point{1e4, 0.5, 0.5, 50},
        // Huge degrees of freedom.
        Point{52, 1e7, 1e7, 50}, Point{49.5, 1e7, 1e7, 50}, Point{-3, 0.5, 1e7, 20},
        Point{3, 1, 1e7, 10}, Point{0.7, 200, 1e7, -5}));

// The program's usual arguments: moderate degrees of freedom and lambda, x inside the central
// 99.8 %.
INSTANTIATE_TEST_SUITE_P(PointsUsuels, KprimeQuadrature,
                         testing::Values(Point{2.5, 20, 20, 2}, Point{5.8, 100, 50, 5},
                                         Point{6, 5, 12, 2.5}, Point{-5.1, 29.3, 11.9, -4.3},
                                         Point{0.9, 165.9, 26.6, 0.63}));

}  // namespace
