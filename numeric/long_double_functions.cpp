#include "long_double_functions.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace ormane::longs {

namespace {

using Long = long double;
constexpr Long kEpsilon = std::numeric_limits<Long>::epsilon();

// 2 atanh(s) = ln((1 + s) / (1 - s)), |s| <= 0.1716: each term is s^2 < 0.03 of the last.
Long DeuxAtanh(Long s) {
    const Long s2 = s * s;
    Long terme = s, somme = 0;
    for (int k = 1; k < 200 && std::fabs(terme) > kEpsilon * std::fabs(somme) / 4; k += 2) {
        somme += terme / k;
        terme *= s2;
    }
    return 2 * somme;
}

// e^r for |r| <= ln 2 / 2: the Taylor series of e^(r/16), squared four times (each squaring
// doubles the relative error).
Long ExpReduit(Long r) {
    const Long u = std::ldexp(r, -4);
    Long terme = 1, somme = 1;
    for (int k = 1; k < 60 && std::fabs(terme) > kEpsilon / 4; ++k) {
        terme *= u / k;
        somme += terme;
    }
    for (int i = 0; i < 4; ++i) somme *= somme;
    return somme;
}

}  // namespace

Long Log(Long x) {
    if (std::isnan(x) || x < 0) return std::numeric_limits<Long>::quiet_NaN();
    if (x == 0) return -std::numeric_limits<Long>::infinity();
    if (std::isinf(x)) return x;
    int e = 0;
    Long m = std::frexp(x, &e);  // m in [1/2, 1)
    if (m < kRacine2 / 2) {
        m *= 2;
        --e;
    }
    return DeuxAtanh((m - 1) / (m + 1)) + e * kLn2;
}

Long Log1p(Long x) {
    if (std::isnan(x) || x < -1) return std::numeric_limits<Long>::quiet_NaN();
    if (x == -1) return -std::numeric_limits<Long>::infinity();
    if (std::isinf(x)) return x;
    // ln(1 + x) = 2 atanh(x / (2 + x)), exact for small x; far from 0 through Log.
    if (std::fabs(x) < 0.25L) return DeuxAtanh(x / (2 + x));
    return Log(1 + x);
}

Long Exp(Long x) {
    if (std::isnan(x)) return x;
    if (x > LDBL_MAX_EXP * kLn2) return std::numeric_limits<Long>::infinity();
    if (x < (LDBL_MIN_EXP - LDBL_MANT_DIG - 1) * kLn2) return 0;
    // x = k ln 2 + r, ln 2 in two parts: 40 bits, whose product by k (at most 15 bits) is
    // exact, and the rest, from ln 2's decimals beyond any long double.
    constexpr Long kLn2Haut = 0x1.62e42fefa4p-1L;
    constexpr Long kLn2Bas = -1.723944452561483477316350494998656397447e-13L;
    const Long k = std::nearbyint(x / kLn2);
    const Long r = (x - k * kLn2Haut) - k * kLn2Bas;
    return std::ldexp(ExpReduit(r), static_cast<int>(k));
}

Long Expm1(Long x) {
    if (std::isnan(x)) return x;
    if (std::fabs(x) >= 0.25L) return Exp(x) - 1;
    Long terme = x, somme = x;
    for (int k = 2; k < 80 && std::fabs(terme) > kEpsilon * std::fabs(somme) / 4; ++k) {
        terme *= x / k;
        somme += terme;
    }
    return somme;
}

Long Pow(Long x, Long y) {
    if (y == 0 || x == 1) return 1;
    if (std::isnan(x) || std::isnan(y)) return std::numeric_limits<Long>::quiet_NaN();
    const bool entier = std::nearbyint(y) == y;
    const bool impair = entier && std::fabs(y) < std::ldexp(1.0L, LDBL_MANT_DIG) &&
                        std::fmod(std::fabs(y), 2.0L) == 1;
    if (std::isinf(y)) {
        if (x == -1) return 1;
        return (std::fabs(x) < 1) == (y < 0) ? std::numeric_limits<Long>::infinity() : 0;
    }
    if (x == 0 || std::isinf(x)) {
        const bool grand = (x == 0) == (y < 0);
        const Long valeur = grand ? std::numeric_limits<Long>::infinity() : 0;
        return impair && std::signbit(x) ? -valeur : valeur;
    }
    if (x < 0) {
        if (!entier) return std::numeric_limits<Long>::quiet_NaN();
        const Long valeur = Exp(y * Log(-x));
        return impair ? -valeur : valeur;
    }
    return Exp(y * Log(x));
}

}  // namespace ormane::longs
