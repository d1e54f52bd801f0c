#include "serie_beta_demi.h"

namespace basfun_interne {

namespace {

// z <= 1/2 halves the terms at least every step: 2^-60 is below any precision asked.
constexpr int kTermesMax = 64;

}  // namespace

double BetaDemiParSerie(double e0, double z, double b, double precision) {
    // The step ratio stays below z, so the rest after a term e is below e / (1 - z).
    const double seuil = precision * (1 - z);
    double somme = 0, e = e0, k = 0;
    for (int n = 0; n < kTermesMax && e > seuil; ++n, ++k) {
        somme += e;
        e *= z * (b + k + 0.5) / (b + k + 1);
    }
    return somme;
}

}  // namespace basfun_interne
