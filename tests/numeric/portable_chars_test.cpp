// Doubles written and read exactly, whichever library does it: the C library's way against a
// table written by the standard library's to_chars (an implementation of its own), and, where
// the standard library has them, against its to_chars and from_chars on every power of two,
// its neighbours and random bit patterns.
#include "numeric/portable_chars.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "csv_numbers.h"

namespace ormane {
namespace {

std::string Texte(double valeur) {
    char tampon[64];
    const auto r = bibliotheque_c::EcritDouble(tampon, tampon + sizeof tampon, valeur);
    return r.ec == std::errc{} ? std::string(tampon, r.ptr) : "<error>";
}

double Double(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::uint64_t Bits(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

// Every power of two of the doubles, each with its two neighbours, then random bit patterns:
// the finite ones.
std::vector<double> Valeurs(int aleatoires) {
    std::vector<double> valeurs{0.0, -0.0, std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::denorm_min()};
    for (int e = -1074; e <= 1023; ++e) {
        const double p = std::ldexp(1.0, e);
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e308)}) {
            valeurs.push_back(v);
            valeurs.push_back(-v);
        }
    }
    std::mt19937_64 hasard(20261208);
    while (aleatoires > 0) {
        const double v = Double(hasard());
        if (!std::isfinite(v)) continue;
        valeurs.push_back(v);
        --aleatoires;
    }
    return valeurs;
}

// data/shortest-doubles.tsv: bit patterns and the text libstdc++'s to_chars writes for them,
// the whole numbers beyond 2^53 written in full included.
TEST(PortableChars, WritesTheShortestTextOfTheTable) {
    const auto table = LitChamps(SHORTEST_DOUBLES_TSV, '\t');
    ASSERT_GT(table.size(), 200U);
    for (const auto& ligne : table) {
        ASSERT_EQ(ligne.size(), 2U);
        const double v = Double(std::stoull(ligne[0], nullptr, 16));
        EXPECT_EQ(Texte(v), ligne[1]) << ligne[0];
        double lu = 0;
        const auto r =
            bibliotheque_c::LitDouble(ligne[1].data(), ligne[1].data() + ligne[1].size(), lu);
        EXPECT_EQ(r.ec, std::errc{}) << ligne[1];
        EXPECT_EQ(Bits(lu), Bits(v)) << ligne[1];
    }
}

// Whatever the build, what is written reads back as the same double.
TEST(PortableChars, EveryShortestTextReadsBackAsItsDouble) {
    for (const double v : Valeurs(20000)) {
        const std::string texte = Texte(v);
        double lu = 0;
        const auto r = LitDouble(texte.data(), texte.data() + texte.size(), lu);
        ASSERT_EQ(r.ec, std::errc{}) << texte;
        ASSERT_EQ(r.ptr, texte.data() + texte.size()) << texte;
        ASSERT_EQ(Bits(lu), Bits(v)) << texte;
    }
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

std::string Texte(double valeur, std::chars_format format, int precision) {
    std::vector<char> tampon(static_cast<std::size_t>(precision) + 400);
    const auto r = bibliotheque_c::EcritDouble(tampon.data(), tampon.data() + tampon.size(), valeur,
                                               format, precision);
    return r.ec == std::errc{} ? std::string(tampon.data(), r.ptr) : "<error>";
}

TEST(PortableChars, WritesAsTheStandardLibraryDoes) {
    for (const double v : Valeurs(200000)) {
        char attendu[64];
        const auto r = std::to_chars(attendu, attendu + sizeof attendu, v);
        ASSERT_EQ(Texte(v), std::string(attendu, r.ptr)) << std::hex << Bits(v);
    }
    const std::vector<double> quelques = Valeurs(3000);
    for (std::size_t i = 0; i < quelques.size(); i += 7) {
        const double v = quelques[i];
        for (const auto format : {std::chars_format::fixed, std::chars_format::scientific}) {
            for (int precision : {0, 1, 2, 3, 8, 16, 17, 20}) {
                std::vector<char> attendu(static_cast<std::size_t>(precision) + 400);
                const auto r = std::to_chars(attendu.data(), attendu.data() + attendu.size(), v,
                                             format, precision);
                ASSERT_EQ(Texte(v, format, precision), std::string(attendu.data(), r.ptr))
                    << std::hex << Bits(v) << std::dec << " precision " << precision;
            }
        }
    }
}

// data/texts-to-read.txt: the texts that every part of a reading can meet (signs, blanks,
// points, exponents, the edges of the doubles, infinities and NaNs, hexadecimal digits), one
// a line; and a hexadecimal number just beyond the doubles and a decimal one just below them.
TEST(PortableChars, ReadsAsTheStandardLibraryDoes) {
    std::vector<std::string> textes;
    std::ifstream fichier(TEXTS_TO_READ_TXT);
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (!ligne.starts_with('#')) textes.push_back(ligne);
    }
    ASSERT_GT(textes.size(), 40U);
    textes.push_back(std::string(256, 'F'));
    textes.push_back("0." + std::string(400, '0') + "1");
    for (const std::string& texte : textes) {
        const char* debut = texte.data();
        const char* fin = debut + texte.size();
        for (const auto format : {std::chars_format::general, std::chars_format::hex}) {
            double attendu = -42, lu = -42;
            const auto a = std::from_chars(debut, fin, attendu, format);
            const auto b = bibliotheque_c::LitDouble(debut, fin, lu, format);
            EXPECT_EQ(b.ec, a.ec) << texte;
            EXPECT_EQ(b.ptr, a.ptr) << texte;
            EXPECT_EQ(std::isnan(lu), std::isnan(attendu)) << texte;
            if (!std::isnan(attendu)) {
                EXPECT_EQ(Bits(lu), Bits(attendu)) << texte;
            }
        }
    }
}

#endif

}  // namespace
}  // namespace ormane
