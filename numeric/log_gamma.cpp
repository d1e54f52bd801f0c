// ln Gamma(x) from rational approximations on (0, 12) and the asymptotic series beyond, with a
// three-entry cache; and the ratio ln(Gamma(a + 1/2) / Gamma(a)) that the variances need.
#include <array>
#include <cmath>

#include "arithmetique_controlee.h"
#include "moments.h"

namespace ormane {
namespace {

// ln Gamma = factor * P(x) / Q(x), P of degree 7 and Q monic of degree 7, fitted for
// relative error by scripts/fit_log_gamma.py (exact error below 1e-16; about 1e-15 once
// evaluated in double precision).
// ln Gamma(y) = (y - 1) P1(y) / Q1(y) on [0.5, 1.5)
constexpr std::array<double, 8> kP1 = {-2.2088835239897806, -77.4118082300854,  -517.644642850268,
                                       -922.269428332997,   -261.7218324686016, 243.1774200216714,
                                       85.69015810831203,   4.120845756712848};
constexpr std::array<double, 7> kQ1 = {0.4097868156455447, 24.43558354092404, 262.31182693809285,
                                       846.0845401155522,  951.331160437312,  377.8392333934616,
                                       45.64689051356755};
// ln Gamma(x) = (x - 2) P2(x) / Q2(x) on [1.5, 4)
constexpr std::array<double, 8> kP2 = {-1513.8545525715847, -15086.487616618004, -20648.46492523978,
                                       12043.357393423823,  19553.770774185057,  5269.012111961954,
                                       377.5117717959339,   5.155059787767874};
constexpr std::array<double, 7> kQ2 = {698.3382495809198,  14402.281841510721, 52623.44568328601,
                                       57120.760018338384, 22029.70768012457,  3039.9163741215084,
                                       128.90960019249516};
// ln Gamma(x) = P3(x) / Q3(x) on [4, 12)
constexpr std::array<double, 8> kP3 = {-240802997.6025262, -244834643.2313749, 481815343.0219824,
                                       111939068.01592354, -87317962.34221384, -19718483.708599344,
                                       -982716.2592013472, -10377.051280943337};
constexpr std::array<double, 7> kQ3 = {-79027599.0646465,   -435377616.8518082, -404441232.67089856,
                                       -111926582.43726164, -10485858.33708206, -311407.94682247314,
                                       -2015.2810178713607};

double Polynome(const std::array<double, 8>& coefficients, double x) {
    double r = 0.0;
    for (auto c = coefficients.rbegin(); c != coefficients.rend(); ++c) r = r * x + *c;
    return r;
}

// x^7 + q6 x^6 + ... + q0
double PolynomeUnitaire(const std::array<double, 7>& coefficients, double x) {
    double r = 1.0;
    for (auto c = coefficients.rbegin(); c != coefficients.rend(); ++c) r = r * x + *c;
    return r;
}

double CalculeLogGamma(double x) {
    if (x == 0.0) return 0.0;
    if (x < 0.0) return -1e307;
    if (x >= 4.2937e73) return 1e307;
    if (x < 1.5) {
        double r = 0.0;
        double y = x;
        if (x < 0.5) {
            r = -std::log(x);
            y = x + 1.0;
            if (y == 1.0) return r;
        }
        return r + (y - 1.0) * Polynome(kP1, y) / PolynomeUnitaire(kQ1, y);
    }
    if (x < 4.0) return (x - 2.0) * Polynome(kP2, x) / PolynomeUnitaire(kQ2, x);
    if (x < 12.0) return Polynome(kP3, x) / PolynomeUnitaire(kQ3, x);
    double r = (x - 0.5) * std::log(x) - x + 0.918938533204673;
    if (x <= 3e6) {
        const double y = 1.0 / x;
        const double z = y * y;
        r += y * (0.0692910599291889 * z * z + 0.491731761050597 * z + 0.279195317918525) /
             (z * z + 6.0124592597641 * z + 3.3503438150223);
    }
    return r;
}

}  // namespace

double LogGamma(double x) {
    // Successive quantile searches ask for the same few arguments: keep the last three,
    // newest first. One cache per thread, so that computations running at once (the batch's
    // workers) neither race on it nor see each other's arguments.
    thread_local std::array<double, 3> arguments = {0.0, 0.0, 0.0};
    thread_local std::array<double, 3> resultats = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (x == arguments[i]) return resultats[i];
    }
    arguments = {x, arguments[0], arguments[1]};
    resultats = {CalculeLogGamma(x), resultats[0], resultats[1]};
    return resultats[0];
}

double LogRapportGamma(double a, double b, std::int16_t& statut) {
    // Gamma(a - 1/2) / Gamma(a) is the inverse of Gamma(a' + 1/2) / Gamma(a') with a' = a - 1/2.
    const bool inverse = b < 0.0;
    if (inverse) {
        a += b;
        b = -b;
    }
    double r = LogGamma(a + b) - LogGamma(a);
    // Gamma(a + 1/2) / Gamma(a) lies between sqrt(a - 1/4) and sqrt(a): outside those bounds,
    // or for large a where the difference of two large logarithms loses its digits, use the
    // lower bound, which is the ratio's asymptotic form.
    const double u = 0.5 * Logarithme(a);
    const double v = 0.5 * Logarithme(a - 0.25);
    if (v > r || u < r || a > 100000.0) {
        r = v;
        statut = 9;
    }
    return inverse ? -r : r;
}

}  // namespace ormane
