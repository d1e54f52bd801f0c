#include "integrale_tau.h"

#include <math.h>  // lgammal_r

#include <cmath>

#include "constantes_longues.h"

namespace basfun_interne {

namespace {

using Long = long double;

// ln Gamma(g) - ((g - 1/2) ln g - g + ln(2 pi) / 2), Stirling's remainder: from its series
// past g = 10 (the first term left out is below 2e-18 there), else in long double, where
// ln Gamma(g) (up to 745 for a subnormal g) keeps 1e-16 absolute.
Long ResteStirling(double g) {
    const Long gl = g;
    if (g >= 10) {
        const Long i = 1 / gl, i2 = i * i;
        return i * (1.0L / 12 -
                    i2 * (1.0L / 360 -
                          i2 * (1.0L / 1260 -
                                i2 * (1.0L / 1680 -
                                      i2 * (1.0L / 1188 -
                                            i2 * (691.0L / 360360 -
                                                  i2 * (1.0L / 156 - i2 * (3617.0L / 122400))))))));
    }
    int signe = 0;
    return lgammal_r(gl, &signe) - ((gl - 0.5L) * std::log(gl) - gl + 0.5L * std::log(2 * kPiLong));
}

// e^z - 1 - z, without the cancellation of the difference for a small z.
double ExpMoinsUnMoinsZ(double z) {
    if (std::fabs(z) >= 0.5) return std::expm1(z) - z;
    double terme = z * z / 2, somme = terme;
    for (int k = 3; k < 30 && std::fabs(terme) > 1e-18 * std::fabs(somme); ++k) {
        terme *= z / k;
        somme += terme;
    }
    return somme;
}

// ln(1 + u) - u for u > -1: near 0 from ln(1 + u) = 2 atanh(w), w = u / (2 + u), whose series
// in w^2 falls fifty times a term for |u| <= 1/4.
double LogUnPlusMoinsU(double u) {
    if (std::fabs(u) > 0.25) return std::log1p(u) - u;
    const double w = u / (2 + u), w2 = w * w;
    double puissance = w * w2, somme = 0;
    for (int k = 3; k < 40 && std::fabs(puissance) > 1e-18 * std::fabs(u * u); k += 2) {
        somme += puissance / k;
        puissance *= w2;
    }
    return -u * u / (2 + u) + 2 * somme;
}

}  // namespace

// Q = S^2 has the F law of nu1 and nu2 degrees of freedom. With g_i = nu_i / 2, n = g1 + g2 and
// p_i = g_i / n, the density of tau = log S is
//   f(tau) = 2 Gamma(n) / (Gamma(g1) Gamma(g2)) p1^g1 p2^g2 e^(2 g1 tau) (p2 + p1 e^(2 tau))^-n
//          = A exp(-n K(2 tau)),   K(z) = ln(1 - p1 + p1 e^z) - p1 z,
// and Stirling's formula turns the constant into A = 2 sqrt(g1 g2 / (2 pi n)) e^(R(n) - R(g1)
// - R(g2)), R the remainder above: no ratio of huge gamma functions, and the exponent n K, of
// order 1 where the density is, keeps its digits however large n is. K is the cumulant
// function of a Bernoulli law, K_p(z) = K_(1-p)(-z): it is formed with the smaller p, near
// z = 0 as ln(1 + p E) - p E + p (E - z) with E = e^z - 1, both terms free of cancellation. An
// infinite nu2 makes S = U, f = A exp(-g1 (e^(2 tau) - 1 - 2 tau)), A = 2 sqrt(g1 / (2 pi))
// e^-R(g1); an infinite nu1, S = 1 / V and the same in -tau with g2.
DensiteTau::DensiteTau(double nu1, double nu2, bool nu1Infini, bool nu2Infini) {
    const double g1 = nu1 / 2, g2 = nu2 / 2;
    echelle_ =
        std::fmin(1.0, std::sqrt((nu1Infini ? 0.0 : 0.25 / g1) + (nu2Infini ? 0.0 : 0.25 / g2)));
    Long logA = std::log(2.0L) - 0.5L * std::log(2 * kPiLong);
    if (nu2Infini || nu1Infini) {
        const double g = nu2Infini ? g1 : g2;
        g_ = g;
        signe_ = nu2Infini ? 1 : -1;
        logA += 0.5L * std::log(static_cast<Long>(g)) - ResteStirling(g);
    } else {
        const bool premierPetit = g1 <= g2;
        const Long gPetit = premierPetit ? g1 : g2, gGrand = premierPetit ? g2 : g1;
        const Long n = gPetit + gGrand;
        n_ = static_cast<double>(n);
        p_ = static_cast<double>(gPetit / n);
        g_ = static_cast<double>(gPetit);
        signe_ = premierPetit ? 1 : -1;
        // g1 g2 / n = gPetit (1 - p).
        logA += 0.5L * (std::log(gPetit) + std::log1p(-gPetit / n)) +
                ResteStirling(static_cast<double>(n)) - ResteStirling(g1) - ResteStirling(g2);
    }
    facteur_ = static_cast<double>(std::exp(logA));
}

double DensiteTau::operator()(double tau) const {
    const double z = signe_ * 2 * tau;
    // n (ln(1 + p E) - p E) + g (E - z), g = n p the smaller of g1 and g2 (n = 0 when one
    // degree of freedom is infinite); away from z = 0, where its two terms would be huge and
    // cancel, n ln(1 + p E) - g z, which cancels by a factor (e^z - 1) / (e^z - 1 - z) <= 2.4
    // at most.
    double exposant;
    if (n_ == 0) {
        exposant = g_ * ExpMoinsUnMoinsZ(z);
    } else {
        const double e = std::expm1(z);
        if (std::fabs(z) < 1) {
            exposant = n_ * LogUnPlusMoinsU(p_ * e) + g_ * ExpMoinsUnMoinsZ(z);
        } else if (p_ * e < 1e300) {
            exposant = n_ * std::log1p(p_ * e) - g_ * z;
        } else {
            // p E overflowing: ln(1 + p E) = z + ln(p + (1 - p) e^-z). Far out on the side of
            // the larger df, whose mass counts when both df are tiny.
            exposant = (n_ - g_) * z + n_ * std::log(p_ + (1 - p_) * std::exp(-z));
        }
    }
    const double f = facteur_ * std::exp(-exposant);
    return std::isfinite(f) ? f : 0.0;
}

}  // namespace basfun_interne
