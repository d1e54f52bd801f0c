// A stand-in for libbasfun that the quantile-search tests load in its place. Its function
// 5 is not the K-prime distribution but a normal distribution function with a jump, which
// the tests shape through the arguments:
//   F(x) = min(plafond, (1 - saut) Phi(x - lambda) + (x >= lambda ? saut : 0))
// with saut = nu1, plafond = nu2. It counts its calls.
#include <cmath>
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) std::int32_t basfun_factice_appels = 0;

__attribute__((visibility("default"))) void basfun(std::int32_t* code, double* valeur,
                                                   std::int32_t* statut, std::int32_t* /*limite*/,
                                                   double* a5, double* a6, double* a7, double* a8,
                                                   double* /*a9*/, double* /*a10*/) {
    ++basfun_factice_appels;
    if (*code != 5) {
        *statut = 2;
        *valeur = 0.0;
        return;
    }
    const double x = *a5, saut = *a6, plafond = *a7, lambda = *a8;
    const double normale = 0.5 * std::erfc(-(x - lambda) / std::sqrt(2.0));
    *valeur = std::fmin(plafond, (1.0 - saut) * normale + (x >= lambda ? saut : 0.0));
    *statut = 0;
}
}
