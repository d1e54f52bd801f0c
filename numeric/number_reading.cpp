#include "number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "base/run_time_error.h"
#include "number_format.h"
#include "portable_chars.h"

namespace ormane {

namespace {

// A decimal exponent is accumulated up to this bound only: beyond it every non-zero number
// overflows or underflows anyway, and the bound keeps the arithmetic far from 64-bit limits.
constexpr long long kExposantBorne = 1'000'000'000;
// Orders of magnitude past which no reading is needed to know the outcome (a double spans
// about 10^-324 to 10^308).
constexpr long long kOrdreDebordement = 400;
constexpr long long kOrdreSousDebordement = -400;
// Operator positions are 16-bit counts: an operator beyond this character is a failure.
constexpr std::size_t kDernierePosition = 32767;

bool EstIgnore(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}
bool EstChiffreOctal(char c) {
    return c >= '0' && c <= '7';
}
bool EstChiffreHexadecimal(char c) {
    return EstChiffre(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

[[noreturn]] void Deborde() {
    throw ErreurExecution("number too large for a Double");
}

// `chiffres`: hexadecimal digits only (possibly none).
double DepuisHexadecimal(std::string_view chiffres) {
    const auto premier = chiffres.find_first_not_of('0');
    if (premier == std::string_view::npos) return 0;
    chiffres.remove_prefix(premier);
    // 256 digits with a non-zero lead are 2^1020 or more; 257 are beyond every double.
    if (chiffres.size() > 256) Deborde();
    double valeur = 0;
    const auto [fin, erreur] = LitDouble(chiffres.data(), chiffres.data() + chiffres.size(), valeur,
                                         std::chars_format::hex);
    if (erreur != std::errc{} || fin != chiffres.data() + chiffres.size()) Deborde();
    return valeur;
}

// `chiffres`: octal digits only, turned into hexadecimal ones three bits at a time.
double DepuisOctal(std::string_view chiffres) {
    const auto premier = chiffres.find_first_not_of('0');
    if (premier == std::string_view::npos) return 0;
    chiffres.remove_prefix(premier);
    if (chiffres.size() > 400) Deborde();

    std::string bits;
    bits.reserve(chiffres.size() * 3 + 3);
    for (const char c : chiffres) {
        const int valeur = c - '0';
        bits.push_back((valeur & 4) ? '1' : '0');
        bits.push_back((valeur & 2) ? '1' : '0');
        bits.push_back((valeur & 1) ? '1' : '0');
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hexadecimal;
    hexadecimal.reserve(bits.size() / 4);
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int quartet = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 +
                            (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
        hexadecimal.push_back("0123456789abcdef"[quartet]);
    }
    return DepuisHexadecimal(hexadecimal);
}

std::string_view PrefixeOu(std::string_view texte, bool (*admis)(char)) {
    std::size_t fin = 0;
    while (fin < texte.size() && admis(texte[fin])) ++fin;
    return texte.substr(0, fin);
}

// Sign, digits with at most one point, then an optional E or D exponent; the digits are kept
// as text and converted once, so the result is correctly rounded.
double LitDecimal(std::string_view texte) {
    std::size_t i = 0;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
        negatif = texte[i] == '-';
        ++i;
    }
    const double zero = negatif ? -0.0 : 0.0;

    std::string mantisse;
    long long chiffresApresPoint = 0;
    bool point = false;
    for (; i < texte.size(); ++i) {
        const char c = texte[i];
        if (EstChiffre(c)) {
            mantisse.push_back(c);
            if (point) ++chiffresApresPoint;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (mantisse.empty()) return 0;

    long long exposant = 0;
    if (i < texte.size() &&
        (texte[i] == 'E' || texte[i] == 'e' || texte[i] == 'D' || texte[i] == 'd')) {
        std::size_t j = i + 1;
        bool exposantNegatif = false;
        if (j < texte.size() && (texte[j] == '+' || texte[j] == '-')) {
            exposantNegatif = texte[j] == '-';
            ++j;
        }
        // An exponent letter without digits is not part of the number.
        for (; j < texte.size() && EstChiffre(texte[j]); ++j) {
            exposant = std::min(kExposantBorne, exposant * 10 + (texte[j] - '0'));
        }
        if (exposantNegatif) exposant = -exposant;
    }

    // value = significant digits × 10^puissance
    const auto premier = mantisse.find_first_not_of('0');
    if (premier == std::string::npos) return zero;
    const auto dernier = mantisse.find_last_not_of('0');
    const long long zerosFinaux = static_cast<long long>(mantisse.size() - 1 - dernier);
    const std::string_view significatifs(mantisse.data() + premier, dernier - premier + 1);
    const long long puissance = exposant - chiffresApresPoint + zerosFinaux;
    const long long ordre = puissance + static_cast<long long>(significatifs.size()) - 1;
    if (ordre > kOrdreDebordement) Deborde();
    if (ordre < kOrdreSousDebordement) return zero;

    std::string ecriture(significatifs);
    ecriture.push_back('e');
    ecriture += std::to_string(puissance);
    double valeur = 0;
    const auto [fin, erreur] =
        LitDouble(ecriture.data(), ecriture.data() + ecriture.size(), valeur);
    if (erreur == std::errc::result_out_of_range) {
        if (ordre >= 0) Deborde();
        return zero;
    }
    if (erreur != std::errc{}) return zero;
    return negatif ? -valeur : valeur;
}

// Where the operator found at byte `indice` stands, counted in characters from 1.
std::size_t PositionCaractere(std::string_view texte, std::size_t indice) {
    std::size_t position = 1;
    for (std::size_t i = 0; i < indice; ++i) {
        // UTF-8 continuation bytes do not start a character.
        if ((static_cast<unsigned char>(texte[i]) & 0xC0) != 0x80) ++position;
    }
    return position;
}

// a / b or a · b for the text split at the operator; a zero or missing b counts as 1.
double AppliqueOperateur(std::string_view texte, std::size_t indice, char operateur) {
    if (PositionCaractere(texte, indice) > kDernierePosition) {
        throw ErreurExecution("operator position beyond a 16-bit count");
    }
    const double a = ConvertitNombre(std::string(texte.substr(0, indice)));
    double b = ConvertitNombre(std::string(texte.substr(indice + 1)));
    if (b == 0) b = 1;
    const double resultat = operateur == '/' ? a / b : a * b;
    if (!std::isfinite(resultat)) throw ErreurExecution("arithmetic overflow");
    return resultat;
}

// The text (commas already points, blanks removed) is one whole number of ConvertitNombre's
// grammar, every character of it read.
bool NombreComplet(std::string_view s) {
    if (s.size() >= 2 && s[0] == '&') {
        const std::string_view chiffres = s.substr(2);
        if (chiffres.empty()) return false;
        if (s[1] == 'H' || s[1] == 'h')
            return PrefixeOu(chiffres, EstChiffreHexadecimal) == chiffres;
        if (s[1] == 'O' || s[1] == 'o') return PrefixeOu(chiffres, EstChiffreOctal) == chiffres;
        return false;
    }
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t chiffres = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (EstChiffre(s[i])) {
            ++chiffres;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (chiffres == 0) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t chiffresExposant = 0;
        for (; i < s.size() && EstChiffre(s[i]); ++i) ++chiffresExposant;
        if (chiffresExposant == 0) return false;
    }
    return i == s.size();
}

// A digit other than 0 before any exponent: the number is not zero as written.
bool ChiffreNonNul(std::string_view s) {
    const bool hexadecimal = s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h');
    for (std::size_t i = s.size() >= 2 && s[0] == '&' ? 2 : 0; i < s.size(); ++i) {
        const char c = s[i];
        if (!hexadecimal && (c == 'E' || c == 'e' || c == 'D' || c == 'd')) return false;
        if ((EstChiffre(c) || (hexadecimal && EstChiffreHexadecimal(c))) && c != '0') return true;
    }
    return false;
}

// One side of an entry read as written: its value, or nullopt.
std::optional<double> NombreCommeEcrit(std::string_view partie) {
    std::string s = RemplaceTexte(std::string(partie), ",", ".");
    s.erase(std::remove_if(s.begin(), s.end(), EstIgnore), s.end());
    if (!NombreComplet(s)) return std::nullopt;
    double valeur = 0;
    try {
        valeur = ConvertitNombre(std::string(partie));
    } catch (const std::exception&) {
        return std::nullopt;  // too large for a Double
    }
    if (valeur == 0 && ChiffreNonNul(s)) return std::nullopt;  // too small: read as 0
    return valeur;
}

// Whether a / b or a * b, both non-zero, came out as 0 or as a subnormal that keeps fewer
// digits than a double: the value shown is then not the number the person wrote, as for a
// single number too small for a Double. Long double, whose exponent reaches far below, holds
// the exact quotient or product to 64 bits.
bool PrecisionPerdue(double a, double b, bool quotient, double valeur) {
    if (a == 0 || std::fabs(valeur) >= std::numeric_limits<double>::min()) return false;
    const long double exacte = quotient ? static_cast<long double>(a) / static_cast<long double>(b)
                                        : static_cast<long double>(a) * static_cast<long double>(b);
    return std::fabs(static_cast<long double>(valeur) - exacte) >
           std::fabs(exacte) * std::numeric_limits<double>::epsilon() / 2;
}

bool EstVide(std::string_view texte) {
    return std::all_of(texte.begin(), texte.end(), EstIgnore);
}

}  // namespace

double ConvertitNombre(const std::string& texte) {
    std::string s = RemplaceTexte(texte, ",", ".");
    s.erase(std::remove_if(s.begin(), s.end(), EstIgnore), s.end());
    const std::string_view vue(s);

    if (vue.size() >= 2 && vue[0] == '&') {
        const std::string_view chiffres = vue.substr(2);
        switch (vue[1]) {
            case 'H':
            case 'h':
                return DepuisHexadecimal(PrefixeOu(chiffres, EstChiffreHexadecimal));
            case 'O':
            case 'o':
                return DepuisOctal(PrefixeOu(chiffres, EstChiffreOctal));
            default:
                return 0;
        }
    }
    return LitDecimal(vue);
}

double LitValeur(std::string_view texteEntree) {
    try {
        // "/" first: in 2*3/4 the dividend is "2*3", which reads as 2.
        if (const auto barre = texteEntree.find('/'); barre != std::string_view::npos) {
            return AppliqueOperateur(texteEntree, barre, '/');
        }
        if (const auto etoile = texteEntree.find('*'); etoile != std::string_view::npos) {
            return AppliqueOperateur(texteEntree, etoile, '*');
        }
        return ConvertitNombre(std::string(texteEntree));
    } catch (const std::exception&) {
        return 0;
    }
}

EntreeLue LitEntree(std::string_view texteEntree) {
    EntreeLue lue{LitValeur(texteEntree), Lecture::Autrement};
    if (EstVide(texteEntree)) {
        lue.lecture = Lecture::Vide;
        return lue;
    }
    std::size_t operateur = texteEntree.find('/');
    if (operateur == std::string_view::npos) operateur = texteEntree.find('*');
    if (operateur == std::string_view::npos) {
        if (NombreCommeEcrit(texteEntree)) lue.lecture = Lecture::CommeEcrite;
        return lue;
    }
    const auto a = NombreCommeEcrit(texteEntree.substr(0, operateur));
    const auto b = NombreCommeEcrit(texteEntree.substr(operateur + 1));
    // A zero divisor or factor is read as 1: not the number written.
    if (!a || !b || *b == 0) return lue;
    const bool quotient = texteEntree[operateur] == '/';
    const double valeur = quotient ? *a / *b : *a * *b;
    if (std::isfinite(valeur) && valeur == lue.valeur && !PrecisionPerdue(*a, *b, quotient, valeur))
        lue.lecture = Lecture::CommeEcrite;
    return lue;
}

}  // namespace ormane
