// The K-prime distribution against a slow brute-force integral over the chi variable U:
//   F = E_U[ F_nct(x; nu2 df, noncentrality lambda U) ]     (Boost's noncentral t)
//   F = E_U[ Phi(x - lambda U) ]                             (nu2 infinite),
// by a composite 20-point rule, exact to degree 39, in log U on a fixed mesh, graded towards the
// peak of U's density and towards the point where lambda U crosses x.
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
    // Density of tau = log U (U^2 nu1 / 2 ~ Gamma(nu1 / 2)) times F given U.
    auto integrande = [&](double tau) {
        const double v = nu1 / 2 * std::exp(2 * tau), u = std::exp(tau);
        const double f = nu2 >= 1e300
                             ? 0.5 * boost::math::erfc(-(x - lambda * u) / std::sqrt(2.0))
                             : boost::math::cdf(boost::math::non_central_t(nu2, lambda * u), x);
        return 2 * v * boost::math::gamma_p_derivative(nu1 / 2, v) * f;
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
        if (coupures[i + 1] > coupures[i])
            somme += boost::math::quadrature::gauss<double, 20>::integrate(integrande, coupures[i],
                                                                           coupures[i + 1]);
    }
    return somme;
}

TEST(KprimeQuadrature, MatchesBruteForceIntegral) {
    // clang-format off
    const double points[][4] = {  // x, nu1, nu2, lambda
        // Small nu1 with large |lambda|: the weights of the series decay like pi^j, pi ~ 1.
        {45, 0.5, 1e300, 50}, {-3, 0.5, 1e300, -50}, {400, 0.5, 1e300, 50},
        {-120, 0.5, 1e300, -20}, {2, 1.5, 1e300, 20}, {130, 1.5, 1e300, 20}, {45, 0.5, 1.5, 20},
        {-8, 0.5, 0.5, -20}, {300, 1.5, 0.5, 20}, {-2000, 0.5, 1.5, 20}, {60, 1.5, 30, 50},
        {-25, 1.5, 30, -50},
        // Far tails, where the value is tiny or close to 1.
        {-6, 4, 1e300, 3}, {-40, 1.5, 2.5, 12}, {30, 11, 7, -4.2}, {-1.2, 60, 400, 3},
        {1e4, 0.5, 0.5, 50},
        // Huge degrees of freedom.
        {52, 1e7, 1e7, 50}, {49.5, 1e7, 1e7, 50}, {-3, 0.5, 1e7, 20}, {3, 1, 1e7, 10},
        {0.7, 200, 1e7, -5},
        // The program's usual arguments, x inside the central 99.8 %.
        {2.5, 20, 20, 2}, {5.8, 100, 50, 5}, {6, 5, 12, 2.5}, {-5.1, 29.3, 11.9, -4.3},
        {0.9, 165.9, 26.6, 0.63}};
    // clang-format on
    for (const auto& [x, nu1, nu2, lambda] : points) {
        const ResultatBasfun r = Kprime(x, nu1, nu2, lambda);
        EXPECT_EQ(r.statut, 0);
        EXPECT_NEAR(r.valeur, ParQuadrature(x, nu1, nu2, lambda), 1e-12)
            << x << " " << nu1 << " " << nu2 << " " << lambda;
    }
}

}  // namespace
