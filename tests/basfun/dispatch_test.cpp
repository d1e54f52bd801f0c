// The entry point's contract: unknown codes, missing arguments and bad input give a
// non-zero status and the value 0, never a crash.
#include <gtest/gtest.h>

#include <cmath>

#include "appel_basfun.h"
#include "basfun.h"

namespace {

TEST(Dispatch, UnknownCodeGivesStatusAndZero) {
    for (std::int32_t code : {0, 2, 4, 6, -1, 1000}) {
        const ResultatBasfun r = AppelBasfun(code, 0.5, 1, 1);
        EXPECT_NE(r.statut, 0) << code;
        EXPECT_EQ(r.valeur, 0.0) << code;
    }
}

TEST(Dispatch, NullStatusIsIgnoredWithoutCrash) {
    std::int32_t code = BASFUN_NORMALE, limite = 0;
    double valeur = -1, x = 0, zero = 0;
    basfun(&code, &valeur, nullptr, &limite, &x, &zero, &zero, &zero, &zero, &zero);
    EXPECT_EQ(valeur, -1.0);
}

TEST(Dispatch, NullPointersGiveNonZeroStatus) {
    std::int32_t code = BASFUN_KPRIME, statut = 0, limite = 10000;
    double valeur = -1, x = 1, nu1 = 5, nu2 = 5, lambda = 1, tol = 1e-9, a10 = 0;
    basfun(nullptr, &valeur, &statut, &limite, &x, &nu1, &nu2, &lambda, &tol, &a10);
    EXPECT_NE(statut, 0);
    statut = 0;
    basfun(&code, nullptr, &statut, &limite, &x, &nu1, &nu2, &lambda, &tol, &a10);
    EXPECT_NE(statut, 0);
    for (int manquant = 0; manquant < 5; ++manquant) {
        double* args[5] = {&x, &nu1, &nu2, &lambda, &tol};
        args[manquant] = nullptr;
        statut = 0;
        valeur = -1;
        basfun(&code, &valeur, &statut, &limite, args[0], args[1], args[2], args[3], args[4],
               nullptr);
        EXPECT_NE(statut, 0) << manquant;
        EXPECT_EQ(valeur, 0.0) << manquant;
    }
    // A missing limit or tenth argument is not needed.
    statut = 0;
    basfun(&code, &valeur, &statut, nullptr, &x, &nu1, &nu2, &lambda, &tol, nullptr);
    EXPECT_EQ(statut, 0);
    code = BASFUN_NORMALE;
    statut = 0;
    basfun(&code, &valeur, &statut, &limite, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(statut, 0);
    code = BASFUN_BETA_INCOMPLETE;
    statut = 0;
    basfun(&code, &valeur, &statut, &limite, &x, nullptr, &nu2, nullptr, nullptr, nullptr);
    EXPECT_NE(statut, 0);
}

TEST(Dispatch, StatusStartingNonZeroIsOverwritten) {
    std::int32_t code = BASFUN_NORMALE, statut = 7, limite = 0;
    double valeur = -1, x = 0, zero = 0;
    basfun(&code, &valeur, &statut, &limite, &x, &zero, &zero, &zero, &zero, &zero);
    EXPECT_EQ(statut, 0);
    EXPECT_EQ(valeur, 0.5);
}

}  // namespace
