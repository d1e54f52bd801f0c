#include "appel_basfun.h"

#include "basfun.h"

ResultatBasfun AppelBasfun(std::int32_t code, double a5, double a6, double a7, double a8, double a9,
                           std::int32_t limite) {
    ResultatBasfun r{-1.0, 0};
    double a10 = 0;
    basfun(&code, &r.valeur, &r.statut, &limite, &a5, &a6, &a7, &a8, &a9, &a10);
    return r;
}

ResultatBasfun Kprime(double x, double nu1, double nu2, double lambda, double tolerance) {
    return AppelBasfun(BASFUN_KPRIME, x, nu1, nu2, lambda, tolerance, 10000);
}
