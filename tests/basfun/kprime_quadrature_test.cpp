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

// data/kprime-quadrature-points.csv: x, nu1, nu2, lambda.
TEST(KprimeQuadrature, MatchesBruteForceIntegral) {
    const std::vector<LigneCsv> points = LitCsv(KPRIME_QUADRATURE_POINTS_CSV);
    EXPECT_EQ(points.size(), 27u);
    for (const LigneCsv& p : points) {
        const double x = p.valeurs[0], nu1 = p.valeurs[1], nu2 = p.valeurs[2],
                     lambda = p.valeurs[3];
        const ResultatBasfun r = Kprime(x, nu1, nu2, lambda);
        EXPECT_EQ(r.statut, 0);
        EXPECT_NEAR(r.valeur, ParQuadrature(x, nu1, nu2, lambda), 1e-12) << p.texte;
    }
}

}  // namespace
