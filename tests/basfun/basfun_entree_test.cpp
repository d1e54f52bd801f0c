// The entry point's contract (unknown codes, missing arguments and bad input give a non-zero
// status and the value 0, never a crash), and functions 1 (regularized incomplete beta) and 9
// (standard normal distribution) against closed forms and tabulated values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

#include "appel_basfun.h"

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

ResultatBasfun Beta(double x, double a, double b) {
    return AppelBasfun(BASFUN_BETA_INCOMPLETE, x, a, b, 10000.0, 0, 1000);
}

double Phi(double x) {
    return AppelBasfun(BASFUN_NORMALE, x).valeur;
}

void AttendProche(double obtenu, double attendu, double relative) {
    EXPECT_NEAR(obtenu, attendu, relative * std::fabs(attendu) + 1e-300);
}

void AttendRefus(const ResultatBasfun& r) {
    EXPECT_NE(r.statut, 0);
    EXPECT_EQ(r.valeur, 0.0);
}

TEST(BetaIncomplete, MatchesClosedForms) {
    for (double x : {1e-12, 0.001, 0.1, 0.3, 0.5, 0.77, 0.999}) {
        for (double a : {0.5, 2.0, 7.25}) {
            // I_x(a, 1) = x^a and I_x(1, b) = 1 - (1 - x)^b.
            AttendProche(Beta(x, a, 1).valeur, std::pow(x, a), 1e-14);
            AttendProche(Beta(x, 1, a).valeur, -std::expm1(a * std::log1p(-x)), 1e-14);
        }
        AttendProche(Beta(x, 0.5, 0.5).valeur, 2 / std::numbers::pi * std::asin(std::sqrt(x)),
                     1e-14);
    }
    // I_{nu/(nu+t^2)}(nu/2, 1/2) = 2 P(T_nu > t): for nu = 1, (2/pi) atan(1/t).
    for (double t : {0.1, 1.0, 3.0, 40.0}) {
        const ResultatBasfun r = Beta(1 / (1 + t * t), 0.5, 0.5);
        EXPECT_EQ(r.statut, 0);
        AttendProche(r.valeur, 2 / std::numbers::pi * std::atan(1 / t), 1e-14);
    }
    EXPECT_EQ(Beta(1.0, 0.5, 4.5).valeur, 1.0);
}

TEST(Normale, MatchesTabulatedValues) {
    // Phi(-x) = erfc(x / sqrt 2) / 2.
    EXPECT_EQ(Phi(0), 0.5);
    AttendProche(Phi(-1.959963984540054), 0.025, 1e-14);
    AttendProche(Phi(-1), 0.15865525393145705, 1e-15);
    AttendProche(Phi(-5), 2.866515718791939e-7, 1e-14);
    AttendProche(Phi(-10), 7.619853024160527e-24, 1e-13);
    AttendProche(Phi(-37), 5.725571222524e-300, 1e-11);
    AttendProche(Phi(3), 0.9986501019683699, 1e-15);
    EXPECT_EQ(Phi(40), 1.0);
    EXPECT_EQ(Phi(-kInf), 0.0);
    EXPECT_EQ(Phi(kInf), 1.0);
}

TEST(Dispatch, UnknownCodesAndOutOfDomainArgumentsGiveStatusAndZero) {
    for (std::int32_t code : {0, 2, 4, 6, -1, 1000}) AttendRefus(AppelBasfun(code, 0.5, 1, 1));
    for (auto [x, a, b] : {std::tuple{-0.1, 0.5, 2.0},
                           {1.1, 0.5, 2.0},
                           {0.5, 0.0, 2.0},
                           {0.5, -1.0, 2.0},
                           {0.5, 0.5, 0.0},
                           {kNan, 0.5, 2.0},
                           {0.5, kNan, 2.0},
                           {0.5, 0.5, kInf}}) {
        SCOPED_TRACE(testing::Message() << x << " " << a << " " << b);
        AttendRefus(Beta(x, a, b));
    }
    AttendRefus(AppelBasfun(BASFUN_NORMALE, kNan));
}

TEST(Dispatch, NullPointersGiveNonZeroStatusAndAStartingStatusIsOverwritten) {
    std::int32_t code = BASFUN_KPRIME, statut = 0, limite = 10000;
    double valeur = -1, x = 1, nu1 = 5, nu2 = 5, lambda = 1, tol = 1e-9, a10 = 0;
    // Without a status there is nowhere to report anything.
    basfun(&code, &valeur, nullptr, &limite, &x, &nu1, &nu2, &lambda, &tol, &a10);
    EXPECT_EQ(valeur, -1.0);
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
    statut = 7;
    basfun(&code, &valeur, &statut, nullptr, &x, &nu1, &nu2, &lambda, &tol, nullptr);
    EXPECT_EQ(statut, 0);
    code = BASFUN_NORMALE;
    basfun(&code, &valeur, &statut, &limite, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(statut, 0);
    code = BASFUN_BETA_INCOMPLETE;
    statut = 0;
    basfun(&code, &valeur, &statut, &limite, &x, nullptr, &nu2, nullptr, nullptr, nullptr);
    EXPECT_NE(statut, 0);
}

}  // namespace
