// Calls of libbasfun's C entry point for the tests: every argument by pointer, the status
// starting at 0 as the program passes it.
#pragma once

#include <cstdint>

#include "basfun.h"
#include "csv_numbers.h"

struct ResultatBasfun {
    double valeur;
    std::int32_t statut;
};

inline ResultatBasfun AppelBasfun(std::int32_t code, double a5, double a6 = 0, double a7 = 0,
                                  double a8 = 0, double a9 = 0, std::int32_t limite = 0) {
    ResultatBasfun r{-1.0, 0};
    double a10 = 0;
    basfun(&code, &r.valeur, &r.statut, &limite, &a5, &a6, &a7, &a8, &a9, &a10);
    return r;
}

// Function 5 with the program's limit of 10000.
inline ResultatBasfun Kprime(double x, double nu1, double nu2, double lambda,
                             double tolerance = 1e-16) {
    return AppelBasfun(BASFUN_KPRIME, x, nu1, nu2, lambda, tolerance, 10000);
}
