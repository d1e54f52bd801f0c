// The entry point's contract (unknown codes, missing arguments and bad input give a non-zero
// status and the value 0, never a crash), and functions 1 (regularized incomplete beta) and 9
// (standard normal distribution) against closed forms and exact values.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

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
    // The ends of the domain are values, not refusals.
    for (const double x : {0.0, 1.0}) {
        const ResultatBasfun r = Beta(x, 0.5, 4.5);
        EXPECT_EQ(r.statut, 0) << x;
        EXPECT_EQ(r.valeur, x);
    }
}

// Against Boost.Math over both tails in tests/numeric (RepartitionNormale calls function 9);
// here the exact values and the infinities.
TEST(Normale, ExactAtZeroAndAtTheInfinities) {
    EXPECT_EQ(Phi(0), 0.5);
    EXPECT_EQ(Phi(40), 1.0);
    EXPECT_EQ(Phi(-kInf), 0.0);
    EXPECT_EQ(Phi(kInf), 1.0);
}

TEST(Dispatch, UnknownCodesAndOutOfDomainArgumentsGiveStatusAndZero) {
    for (std::int32_t code : {0, 2, 4, 7, -1, 1000}) AttendRefus(AppelBasfun(code, 0.5, 1, 1));
    // clang-format off
    const double horsDomaine[][3] = {{-0.1, 0.5, 2}, {1.1, 0.5, 2}, {0.5, 0, 2}, {0.5, -1, 2},
                                     {0.5, 0.5, 0}, {kNan, 0.5, 2}, {0.5, kNan, 2}, {0.5, 0.5, kInf}};
    // clang-format on
    for (const auto& [x, a, b] : horsDomaine) {
        SCOPED_TRACE(testing::Message() << x << " " << a << " " << b);
        AttendRefus(Beta(x, a, b));
    }
    AttendRefus(AppelBasfun(BASFUN_NORMALE, kNan));
}

// The status of a call with these pointers, starting at 7 to show that it is overwritten.
std::int32_t Statut(std::int32_t* code, double* valeur, std::int32_t* limite,
                    std::array<double*, 6> a) {
    std::int32_t statut = 7;
    basfun(code, valeur, &statut, limite, a[0], a[1], a[2], a[3], a[4], a[5]);
    return statut;
}

TEST(Dispatch, NullPointersGiveNonZeroStatusWithoutCrash) {
    std::int32_t kprime = BASFUN_KPRIME, normale = BASFUN_NORMALE, beta = BASFUN_BETA_INCOMPLETE;
    std::int32_t limite = 10000;
    double valeur = -1, x = 1, nu1 = 5, nu2 = 5, lambda = 1, tol = 1e-9;
    // Without a status there is nowhere to report anything.
    basfun(&kprime, &valeur, nullptr, &limite, &x, &nu1, &nu2, &lambda, &tol, nullptr);
    EXPECT_EQ(valeur, -1.0);
    EXPECT_NE(Statut(nullptr, &valeur, &limite, {&x, &nu1, &nu2, &lambda, &tol}), 0);
    EXPECT_NE(Statut(&kprime, nullptr, &limite, {&x, &nu1, &nu2, &lambda, &tol}), 0);
    for (int manquant = 0; manquant < 5; ++manquant) {
        std::array<double*, 6> arguments{&x, &nu1, &nu2, &lambda, &tol, nullptr};
        arguments[manquant] = nullptr;
        valeur = -1;
        EXPECT_NE(Statut(&kprime, &valeur, &limite, arguments), 0) << manquant;
        EXPECT_EQ(valeur, 0.0) << manquant;
    }
    EXPECT_NE(Statut(&normale, &valeur, &limite, {}), 0);
    EXPECT_NE(Statut(&beta, &valeur, &limite, {&x, nullptr, &nu2}), 0);
    // A missing limit or tenth argument is not needed.
    EXPECT_EQ(Statut(&kprime, &valeur, nullptr, {&x, &nu1, &nu2, &lambda, &tol}), 0);
    EXPECT_EQ(Statut(&normale, &valeur, &limite, {&x}), 0);
    EXPECT_EQ(valeur, Phi(1));
}

}  // namespace
