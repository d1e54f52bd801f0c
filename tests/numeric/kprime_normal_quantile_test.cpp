// The normal approximation of K-prime quantiles against the program's exact search: once both
// df reach 1e4, its 0.1 % and 99.9 % quantiles are within 0.2 % of the spread between them,
// whatever lambda, which is what the picture's range asks of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "numeric/kprime_start.h"
#include "numeric/quantile_search.h"

namespace ormane {
namespace {

// nullopt where the search itself fails (lambda far beyond the spread of U / V).
std::optional<double> Exact(double p, double nu1, double nu2, double lambda) {
    double pas = 1;
    CodeErreur erreur = kSucces;
    const double q = QuantileLoi("K", Vrai, -1e300, Vrai, 1e300, 0, pas, p, 0, nu1, nu2, 0, lambda,
                                 0, 1, 1e-12, erreur);
    if (erreur < 0) return std::nullopt;
    return q;
}

TEST(QuantileKprimeNormal, WithinAFifthOfAPercentOfTheSpreadForLargeDf) {
    int compares = 0;
    for (const double nu1 : {1e4, 1e6, 1e300})
        for (const double nu2 : {1e4, 1e6, 1e300})
            for (const double lambda : {0.0, 0.3, 2.5, -7.0, 300.0, -1e4, 1e7}) {
                const std::optional<double> bas = Exact(0.001, nu1, nu2, lambda);
                const std::optional<double> haut = Exact(0.999, nu1, nu2, lambda);
                if (!bas || !haut) continue;
                ++compares;
                const auto approcheBas = QuantileKprimeNormal(0.001, nu1, nu2, lambda);
                const auto approcheHaut = QuantileKprimeNormal(0.999, nu1, nu2, lambda);
                ASSERT_TRUE(approcheBas && approcheHaut) << nu1 << " " << nu2 << " " << lambda;
                const double etendue = *haut - *bas;
                EXPECT_NEAR(*approcheBas, *bas, 2e-3 * etendue)
                    << nu1 << " " << nu2 << " " << lambda;
                EXPECT_NEAR(*approcheHaut, *haut, 2e-3 * etendue)
                    << nu1 << " " << nu2 << " " << lambda;
            }
    EXPECT_GE(compares, 55);  // of 63: the search fails for a few lambdas of 1e4 and more
}

TEST(QuantileKprimeNormal, NothingOutsideItsDomain) {
    EXPECT_FALSE(QuantileKprimeNormal(0, 1e4, 1e4, 1));
    EXPECT_FALSE(QuantileKprimeNormal(1, 1e4, 1e4, 1));
    EXPECT_FALSE(QuantileKprimeNormal(0.5, 0, 1e4, 1));
    EXPECT_FALSE(QuantileKprimeNormal(0.5, 1e4, 1e4, NAN));
    // Far in the tail of a small nu2, N - y V has no normal root.
    EXPECT_FALSE(QuantileKprimeNormal(1e-12, 1e4, 1, 1));
}

}  // namespace
}  // namespace ormane
