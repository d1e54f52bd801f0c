// Calls of libbasfun's C entry point for the tests: every argument by pointer, the status
// starting at 0 as the program passes it.
#pragma once

#include <cstdint>

struct ResultatBasfun {
    double valeur;
    std::int32_t statut;
};

ResultatBasfun AppelBasfun(std::int32_t code, double a5, double a6 = 0, double a7 = 0,
                           double a8 = 0, double a9 = 0, std::int32_t limite = 0);

// Function 5 with the program's limit of 10000.
ResultatBasfun Kprime(double x, double nu1, double nu2, double lambda, double tolerance = 1e-16);
