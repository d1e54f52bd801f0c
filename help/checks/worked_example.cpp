// Recomputes the numbers of the worked example in the Use pages (help topics 2 and 12),
// independently of Ormane's own code: Boost.Math's Student and noncentral t, and the K-prime
// distribution function as an adaptive quadrature of the noncentral t over the density of
// U = sqrt(chi2_nu1 / nu1). Not part of the build; run it by hand when the example changes:
//   g++ -O2 -std=c++20 help/checks/worked_example.cpp -o /tmp/worked_example && /tmp/worked_example
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace boost::math;

namespace {

constexpr double kInfiniteDf = -1;  // marks nu2 = infinity (the lambda-prime distribution)

double densityOfU(double u, double nu) {
    return pdf(chi_squared(nu), nu * u * u) * 2 * nu * u;
}

double kprimeCdf(double x, double nu1, double nu2, double lambda) {
    auto integrand = [&](double u) {
        const double given = nu2 == kInfiniteDf ? cdf(normal(), x - lambda * u)
                                                : cdf(non_central_t(nu2, lambda * u), x);
        return densityOfU(u, nu1) * given;
    };
    double error = 0;
    return quadrature::gauss_kronrod<double, 61>::integrate(
        integrand, 0.0, std::numeric_limits<double>::infinity(), 15, 1e-13, &error);
}

double kprimeQuantile(double p, double nu1, double nu2, double lambda) {
    double low = -50, high = 50;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (kprimeCdf(middle, nu1, nu2, lambda) < p ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

}  // namespace

int main() {
    const double nu = 9, c = 1, guarantee = 0.95, alphaTwoTailed = 0.05, gamma = 0.90;
    const students_t student(nu);
    const double t = 1.09971619639466;
    std::printf("t from two-tailed p 0.30 = %.15g\n", -quantile(student, 0.15));
    std::printf("F = %.15g, one-tailed p = %.15g\n", t * t, cdf(complement(student, t)));

    const double s = std::sqrt(c / (c + 1)), S = std::sqrt(c + 1), lambda = t * s;
    std::printf("lambda = %.12g\nprep = %.12g\n", lambda, cdf(student, lambda));
    const double qAlpha = quantile(student, 1 - alphaTwoTailed / 2),
                 qGamma = quantile(student, gamma);
    std::printf("psrep = %.12g\n", 1 - kprimeCdf(qAlpha / S, nu, nu, lambda));
    std::printf("ppreprep = %.12g\n", 1 - kprimeCdf(qGamma / S, nu, nu, lambda));

    const double low = (1 - guarantee) / 2, high = (1 + guarantee) / 2;
    const double tLow = S * kprimeQuantile(low, nu, nu, lambda);
    const double tHigh = S * kprimeQuantile(high, nu, nu, lambda);
    std::printf("t of the replication: [%.10g, %.10g]\n", tLow, tHigh);
    std::printf("one-tailed p of the replication: [%.10g, %.10g]\n",
                cdf(complement(student, tHigh)), cdf(complement(student, tLow)));

    const double perT = 0.34776080 / t;  // the standardized effect as the window writes it
    std::printf("standardized effect: [%.10g, %.10g]\n",
                perT * kprimeQuantile(low, nu, kInfiniteDf, t),
                perT * kprimeQuantile(high, nu, kInfiniteDf, t));
    std::printf("standardized effect in the replication: [%.10g, %.10g]\n", perT * tLow,
                perT * tHigh);

    const double raw = 5, halfWidth = raw / t * quantile(student, high);
    std::printf("raw effect: [%.10g, %.10g]\n", raw - halfWidth, raw + halfWidth);
    std::printf("raw effect in the replication: [%.10g, %.10g]\n", raw - halfWidth / s,
                raw + halfWidth / s);

    std::printf("power for a true effect equal to the observed one = %.6f\n",
                cdf(complement(non_central_t(nu, t), qAlpha)));
    std::printf("lambda-prime(9, 10) at 11.1 = %.10f (published 0.7134134188)\n",
                kprimeCdf(11.1, 9, kInfiniteDf, 10));
}
