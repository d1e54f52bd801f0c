// Functions 1 (regularized incomplete beta) and 9 (standard normal distribution) against
// closed forms and tabulated values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "appel_basfun.h"
#include "basfun.h"

namespace {

ResultatBasfun Beta(double x, double a, double b) {
    return AppelBasfun(BASFUN_BETA_INCOMPLETE, x, a, b, 10000.0, 0, 1000);
}

ResultatBasfun Phi(double x) {
    return AppelBasfun(BASFUN_NORMALE, x);
}

void AttendProche(double obtenu, double attendu, double relative) {
    EXPECT_NEAR(obtenu, attendu, relative * std::fabs(attendu) + 1e-300);
}

TEST(BetaIncomplete, ClosedForms) {
    for (double x : {1e-12, 0.001, 0.1, 0.3, 0.5, 0.77, 0.999}) {
        for (double a : {0.5, 2.0, 7.25}) {
            // I_x(a, 1) = x^a and I_x(1, b) = 1 - (1 - x)^b.
            AttendProche(Beta(x, a, 1).valeur, std::pow(x, a), 1e-14);
            AttendProche(Beta(x, 1, a).valeur, -std::expm1(a * std::log1p(-x)), 1e-14);
        }
        AttendProche(Beta(x, 0.5, 0.5).valeur, 2 / std::numbers::pi * std::asin(std::sqrt(x)),
                     1e-14);
    }
}

TEST(BetaIncomplete, StudentUse) {
    // I_{nu/(nu+t^2)}(nu/2, 1/2) = 2 P(T_nu > t): for nu = 1, (2/pi) atan(1/t).
    for (double t : {0.1, 1.0, 3.0, 40.0}) {
        const ResultatBasfun r = Beta(1 / (1 + t * t), 0.5, 0.5);
        EXPECT_EQ(r.statut, 0);
        AttendProche(r.valeur, 2 / std::numbers::pi * std::atan(1 / t), 1e-14);
    }
    EXPECT_EQ(Beta(1.0, 0.5, 4.5).valeur, 1.0);
}

TEST(BetaIncomplete, DomainErrors) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [x, a, b] : {std::tuple{-0.1, 0.5, 2.0},
                           {1.1, 0.5, 2.0},
                           {0.5, 0.0, 2.0},
                           {0.5, -1.0, 2.0},
                           {0.5, 0.5, 0.0},
                           {nan, 0.5, 2.0},
                           {0.5, nan, 2.0},
                           {0.5, 0.5, std::numeric_limits<double>::infinity()}}) {
        const ResultatBasfun r = Beta(x, a, b);
        EXPECT_NE(r.statut, 0) << x << " " << a << " " << b;
        EXPECT_EQ(r.valeur, 0.0);
    }
}

TEST(Normale, KnownValues) {
    EXPECT_EQ(Phi(0).valeur, 0.5);
    // erfc values: Phi(-x) = erfc(x / sqrt 2) / 2.
    AttendProche(Phi(-1.959963984540054).valeur, 0.025, 1e-14);
    AttendProche(Phi(-1).valeur, 0.15865525393145705, 1e-15);
    AttendProche(Phi(-5).valeur, 2.866515718791939e-7, 1e-14);
    AttendProche(Phi(-10).valeur, 7.619853024160527e-24, 1e-13);
    AttendProche(Phi(-37).valeur, 5.725571222524e-300, 1e-11);
    AttendProche(Phi(3).valeur, 0.9986501019683699, 1e-15);
    EXPECT_EQ(Phi(40).valeur, 1.0);
    EXPECT_EQ(Phi(-std::numeric_limits<double>::infinity()).valeur, 0.0);
    EXPECT_EQ(Phi(std::numeric_limits<double>::infinity()).valeur, 1.0);
}

TEST(Normale, NanIsADomainError) {
    const ResultatBasfun r = Phi(std::numeric_limits<double>::quiet_NaN());
    EXPECT_NE(r.statut, 0);
    EXPECT_EQ(r.valeur, 0.0);
}

}  // namespace
