#include "portable_chars.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace ormane {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define ORMANE_CHARCONV_DOUBLE 1
#endif

std::to_chars_result EcritDouble(char* debut, char* fin, double valeur) {
#ifdef ORMANE_CHARCONV_DOUBLE
    return std::to_chars(debut, fin, valeur);
#else
    return bibliotheque_c::EcritDouble(debut, fin, valeur);
#endif
}

std::to_chars_result EcritDouble(char* debut, char* fin, double valeur, std::chars_format format,
                                 int precision) {
#ifdef ORMANE_CHARCONV_DOUBLE
    return std::to_chars(debut, fin, valeur, format, precision);
#else
    return bibliotheque_c::EcritDouble(debut, fin, valeur, format, precision);
#endif
}

std::from_chars_result LitDouble(const char* debut, const char* fin, double& valeur,
                                 std::chars_format format) {
#ifdef ORMANE_CHARCONV_DOUBLE
    return std::from_chars(debut, fin, valeur, format);
#else
    return bibliotheque_c::LitDouble(debut, fin, valeur, format);
#endif
}

namespace bibliotheque_c {

namespace {

// printf's text of `valeur` with a format taking one precision.
std::string Imprime(const char* modele, int precision, double valeur) {
    // A fixed double has at most 309 digits before the point.
    std::string texte(static_cast<std::size_t>(precision) + 400, '\0');
    const int longueur = std::snprintf(texte.data(), texte.size(), modele, precision, valeur);
    texte.resize(longueur > 0 ? static_cast<std::size_t>(longueur) : 0);
    return texte;
}

std::to_chars_result Copie(char* debut, char* fin, const std::string& texte) {
    if (texte.size() > static_cast<std::size_t>(fin - debut))
        return {fin, std::errc::value_too_large};
    std::memcpy(debut, texte.data(), texte.size());
    return {debut + texte.size(), std::errc{}};
}

bool Chiffre(char c, bool hexadecimal) {
    return (c >= '0' && c <= '9') ||
           (hexadecimal && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

// Whether [p, fin) begins with `mot`, whatever the case.
bool Commence(const char* p, const char* fin, const char* mot) {
    for (; *mot != '\0'; ++p, ++mot) {
        if (p == fin || (*p | 0x20) != *mot) return false;
    }
    return true;
}

// What from_chars reads at the start of a text: where it ends (nullptr: nothing is read),
// whether it is an infinity or a NaN written out, and whether a digit other than 0 is in it.
struct Lecture {
    const char* fin = nullptr;
    bool litteral = false;
    bool nonNul = false;
};

// An optional minus, then inf, infinity, nan, nan(...), or digits with an optional point and
// exponent: the longest of these.
Lecture Lit(const char* p, const char* fin, bool hexadecimal) {
    Lecture l;
    if (p != fin && *p == '-') ++p;
    if (Commence(p, fin, "infinity")) return {p + 8, true, true};
    if (Commence(p, fin, "inf")) return {p + 3, true, true};
    if (Commence(p, fin, "nan")) {
        p += 3;
        const char* q = p;
        if (q != fin && *q == '(') {
            ++q;
            while (q != fin && (std::isalnum(static_cast<unsigned char>(*q)) || *q == '_')) ++q;
            if (q != fin && *q == ')') return {q + 1, true, true};
        }
        return {p, true, true};
    }
    bool chiffres = false;
    auto lisChiffres = [&] {
        while (p != fin && Chiffre(*p, hexadecimal)) {
            if (*p != '0') l.nonNul = true;
            ++p;
            chiffres = true;
        }
    };
    lisChiffres();
    if (p != fin && *p == '.') {
        ++p;
        lisChiffres();
    }
    if (!chiffres) return l;
    const char marque = hexadecimal ? 'p' : 'e';
    if (p != fin && (*p | 0x20) == marque) {
        const char* q = p + 1;
        if (q != fin && (*q == '+' || *q == '-')) ++q;
        if (q != fin && *q >= '0' && *q <= '9') {
            while (q != fin && *q >= '0' && *q <= '9') ++q;
            p = q;
        }
    }
    l.fin = p;
    return l;
}

// Significant digits and the exponent of the first: 1.25e+03 is {"125", 3}.
struct Chiffres {
    std::string chiffres;
    int exposant = 0;
};

double Valeur(const Chiffres& c, bool negatif) {
    const std::string texte = std::string(negatif ? "-" : "") + c.chiffres + "e" +
                              std::to_string(c.exposant - static_cast<int>(c.chiffres.size()) + 1);
    return std::strtod(texte.c_str(), nullptr);
}

// One unit more (or less) in the last digit, the digit count kept.
Chiffres Voisin(Chiffres c, bool plus) {
    std::string& d = c.chiffres;
    int i = static_cast<int>(d.size()) - 1;
    if (plus) {
        for (; i >= 0 && d[static_cast<std::size_t>(i)] == '9'; --i)
            d[static_cast<std::size_t>(i)] = '0';
        if (i < 0) {
            d.insert(d.begin(), '1');
            d.pop_back();
            ++c.exposant;
        } else {
            ++d[static_cast<std::size_t>(i)];
        }
    } else {
        for (; i >= 0 && d[static_cast<std::size_t>(i)] == '0'; --i)
            d[static_cast<std::size_t>(i)] = '9';
        if (i >= 0) --d[static_cast<std::size_t>(i)];
        if (d[0] == '0') {
            d.erase(d.begin());
            d.push_back('9');
            --c.exposant;
        }
    }
    return c;
}

// The fewest significant digits that read back as `valeur` (positive and finite), closest to
// it: the digits printf rounds to, or, where those miss the double, their neighbour on its
// other side, which may still fall within it.
Chiffres PlusCourts(double valeur) {
    Chiffres c;
    for (int n = 1; n <= 17; ++n) {
        const std::string e = Imprime("%.*e", n - 1, valeur);
        const std::size_t marque = e.find('e');
        c.chiffres.clear();
        for (std::size_t i = 0; i < marque; ++i) {
            if (e[i] != '.') c.chiffres.push_back(e[i]);
        }
        c.exposant = std::atoi(e.c_str() + marque + 1);
        const double lu = Valeur(c, false);
        if (lu == valeur) return c;
        const Chiffres voisin = Voisin(c, lu < valeur);
        if (Valeur(voisin, false) == valeur) return voisin;
    }
    return c;
}

}  // namespace

std::to_chars_result EcritDouble(char* debut, char* fin, double valeur, std::chars_format format,
                                 int precision) {
    if (format == std::chars_format::fixed)
        return Copie(debut, fin, Imprime("%.*f", precision, valeur));
    return Copie(debut, fin, Imprime("%.*e", precision, valeur));
}

std::to_chars_result EcritDouble(char* debut, char* fin, double valeur) {
    if (!std::isfinite(valeur)) return Copie(debut, fin, Imprime("%.*f", 0, valeur));
    const std::string signe = std::signbit(valeur) ? "-" : "";
    if (valeur == 0) return Copie(debut, fin, signe + "0");
    const Chiffres c = PlusCourts(std::fabs(valeur));
    const int n = static_cast<int>(c.chiffres.size());

    std::string scientifique = signe + c.chiffres.substr(0, 1);
    if (n > 1) scientifique += "." + c.chiffres.substr(1);
    const int e = c.exposant < 0 ? -c.exposant : c.exposant;
    scientifique +=
        std::string(c.exposant < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);

    // The same digits in fixed notation; a whole number is written whole, as the exact value
    // of the double (printf's %.0f), whatever its size.
    std::string fixe;
    if (c.exposant >= n - 1) {
        fixe = Imprime("%.*f", 0, valeur);
    } else if (c.exposant >= 0) {
        const auto entiers = static_cast<std::size_t>(c.exposant) + 1;
        fixe = signe + c.chiffres.substr(0, entiers) + "." + c.chiffres.substr(entiers);
    } else {
        fixe =
            signe + "0." + std::string(static_cast<std::size_t>(-c.exposant - 1), '0') + c.chiffres;
    }
    // The shorter, fixed at equal length.
    return Copie(debut, fin, fixe.size() <= scientifique.size() ? fixe : scientifique);
}

std::from_chars_result LitDouble(const char* debut, const char* fin, double& valeur,
                                 std::chars_format format) {
    const bool hexadecimal = format == std::chars_format::hex;
    const Lecture lecture = Lit(debut, fin, hexadecimal);
    if (lecture.fin == nullptr) return {debut, std::errc::invalid_argument};
    std::string texte(debut, lecture.fin);
    const std::size_t signe = !texte.empty() && texte[0] == '-' ? 1 : 0;
    if (hexadecimal && !lecture.litteral) {
        // strtod reads hexadecimal digits after "0x", the sign before it.
        texte.insert(signe, "0x");
    }
    const double lu = std::strtod(texte.c_str(), nullptr);
    // Beyond the doubles, or so small that nothing of it is left: the value is not written
    // (whether or not the C library says so in errno).
    if ((std::isinf(lu) && !lecture.litteral) || (lu == 0 && lecture.nonNul)) {
        return {lecture.fin, std::errc::result_out_of_range};
    }
    valeur = lu;
    return {lecture.fin, std::errc{}};
}

}  // namespace bibliotheque_c

}  // namespace ormane
