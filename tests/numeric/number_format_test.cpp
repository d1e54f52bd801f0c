// Display texts of FormateNombre as exact strings, under both decimal symbols, plus the two
// small helpers RemplaceTexte and MinimumReel.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "numeric/number_format.h"

namespace ormane {
namespace {

struct Rendu {
    double valeur;
    std::int16_t decimales;
    const char* attendu;
};

void PrintTo(const Rendu& r, std::ostream* os) {
    *os << r.valeur << " with " << r.decimales << " -> " << r.attendu;
}

const double kTiers = 1.0 / 3.0;

class SousPoint : public ::testing::TestWithParam<Rendu> {};
class SousVirgule : public ::testing::TestWithParam<Rendu> {};

TEST_P(SousPoint, RendsLeTexteExact) {
    const Rendu& r = GetParam();
    EXPECT_EQ(FormateNombre(r.valeur, r.decimales, "."), r.attendu);
}

TEST_P(SousVirgule, RendsLeTexteExact) {
    const Rendu& r = GetParam();
    EXPECT_EQ(FormateNombre(r.valeur, r.decimales, ","), r.attendu);
}

// The table of documented edge cases.
INSTANTIATE_TEST_SUITE_P(
    CasLimites, SousPoint,
    ::testing::Values(Rendu{0.0, 3, "0"}, Rendu{-0.0, 3, "0"}, Rendu{0.0, -16, "0"},
                      Rendu{-0.0, -32768, "0"}, Rendu{0.75, 3, "0.750"}, Rendu{0.75, -3, "0.75"},
                      Rendu{-0.75, 3, "-0.750"}, Rendu{2, -3, "2"}, Rendu{3.7, 0, "4"},
                      Rendu{-2.5, 0, "-3"}, Rendu{0.000123, 3, "1.2300E-04"},
                      Rendu{0.000123, 4, "0.0001"}, Rendu{0.5, 9, "0.500000000"},
                      Rendu{0.5, 10, "5.00000000000000E-01"}, Rendu{0.5, 11, "0.50000000000"},
                      Rendu{0.99999999999999, 10, "1.0000000000"}, Rendu{1e15, 3, "1.00000000E+15"},
                      Rendu{1e100, 3, "1.00000000E+100"}, Rendu{1e101, 3, "1.0000000E+101"},
                      Rendu{123456789, 3, "123456789"}, Rendu{kTiers, -20, "0.333333333333333"},
                      Rendu{1.5e20, 3, "1.50000000E+20"}, Rendu{1.5e120, 3, "1.5000000E+120"},
                      Rendu{2.5e-150, 3, "2.5000E-150"}, Rendu{0.05, 0, "5.0000E-02"},
                      Rendu{123.456789, 12, "123.456789"}, Rendu{0.5, 0, "5.0000E-01"}));

INSTANTIATE_TEST_SUITE_P(CasLimites, SousVirgule,
                         ::testing::Values(Rendu{0.0, 3, "0"}, Rendu{123456789, 3, "123456789.000"},
                                           Rendu{0.75, 3, "0.750"}, Rendu{0.75, -3, "0.75"},
                                           Rendu{123.456789, 12, "123.456789000000"},
                                           Rendu{3.7, 0, "4"}, Rendu{2, -3, "2"},
                                           Rendu{-2.5, 0, "-3"}, Rendu{0.000123, 3, "1.2300E-04"},
                                           Rendu{kTiers, -20, "0.333333333333333"},
                                           Rendu{kTiers, 20, "0.33333333333333300000"},
                                           Rendu{1.5e20, -3, "1.5E+20"}));

// Halves go away from zero on the decimal digits, also where the double lies just below the
// tie (1.005, 2.675) but reaches it at 15 significant digits.
INSTANTIATE_TEST_SUITE_P(
    Egalites, SousPoint,
    ::testing::Values(Rendu{2.5, 0, "3"}, Rendu{-2.5, 0, "-3"}, Rendu{0.5, -1, "0.5"},
                      Rendu{1.5, 0, "2"}, Rendu{-1.5, 0, "-2"}, Rendu{0.125, 2, "0.13"},
                      Rendu{-0.125, 2, "-0.13"}, Rendu{0.375, 2, "0.38"}, Rendu{1.005, 2, "1.01"},
                      Rendu{2.675, 2, "2.68"}, Rendu{1.0000000000000049, 14, "1.00000000"},
                      Rendu{0.00015, 4, "0.0002"}, Rendu{0.000125, 3, "1.2500E-04"},
                      Rendu{1.25e-7, 0, "1.2500E-07"}, Rendu{1.234565e-7, 2, "1.2346E-07"},
                      Rendu{4.35, 1, "4.4"}));

// Rounding that carries into a new leading digit or into the exponent.
INSTANTIATE_TEST_SUITE_P(
    Retenues, SousPoint,
    ::testing::Values(
        Rendu{9.9999999999999982, 3, "10.000"}, Rendu{9.9999999999999982, -16, "10"},
        Rendu{999.9995, 3, "1000.000"}, Rendu{-999.9995, 3, "-1000.000"},
        Rendu{9.99996e-5, 4, "1.0000E-04"}, Rendu{9.99996e-5, -4, "1E-04"},
        Rendu{0.99996, 3, "1.000"}, Rendu{0.999996, 0, "1.0000E+00"},
        Rendu{9.9999999e14, 3, "999999990000000"}, Rendu{999999999999999.9, 3, "1.00000000E+15"},
        Rendu{9.999999995e99, 3, "1.00000000E+100"}, Rendu{99999999999999.95, 3, "100000000000000"},
        Rendu{9999999999.5, 3, "9999999999"}, Rendu{9999999999.9996, 3, "10000000000"}));

// A cut of ten characters (eleven with the sign) above 1 that keeps every integer digit.
INSTANTIATE_TEST_SUITE_P(ChiffresEntiers, SousPoint,
                         ::testing::Values(Rendu{1234567890.5, 3, "1234567890"},
                                           Rendu{-1234567890.5, 3, "-1234567890"},
                                           Rendu{12345678901.5, 3, "12345678901"},
                                           Rendu{-12345678901.5, 3, "-12345678901"},
                                           Rendu{1e10, 3, "10000000000"},
                                           Rendu{123456789012345.0, -16, "123456789012345"},
                                           Rendu{123.4567890123, 16, "123.456789"},
                                           Rendu{-123.4567890123, 16, "-123.456789"},
                                           Rendu{1.2340000000001, -14, "1.23400000"}));

INSTANTIATE_TEST_SUITE_P(ChiffresEntiers, SousVirgule,
                         ::testing::Values(Rendu{12345678901.5, 3, "12345678901.500"},
                                           Rendu{-12345678901.5, 3, "-12345678901.500"},
                                           Rendu{123456789012345.0, 3, "123456789012345"},
                                           Rendu{1.2340000000001, -14, "1.2340000000001"},
                                           Rendu{1.0 + 1e-13, 14, "1.00000000000010"},
                                           Rendu{1.0000000000000049, 14, "1.00000000000000"}));

// Values below 1: 15 significant digits after the leading zeros, cut there under ".".
INSTANTIATE_TEST_SUITE_P(SousUn, SousPoint,
                         ::testing::Values(Rendu{kTiers, 20, "0.333333333333333"},
                                           Rendu{-kTiers, 20, "-0.333333333333333"},
                                           Rendu{kTiers / 1000, 20, "0.000333333333333333"},
                                           Rendu{kTiers / 1000, 3, "3.3333E-04"},
                                           Rendu{kTiers / 1000, 10, "3.33333333333333E-04"},
                                           Rendu{kTiers / 10000, 12, "3.33333333333333E-05"},
                                           Rendu{0.0123, -16, "0.0123"},
                                           Rendu{0.00005, -16, "5E-05"},
                                           Rendu{0.00005, 16, "5.00000000000000E-05"},
                                           Rendu{0.3, 1, "0.3"}, Rendu{0.25, 1, "0.3"},
                                           Rendu{0.04, 1, "4.0000E-02"}));

// Near one: never scientific, even with exactly ten decimals.
INSTANTIATE_TEST_SUITE_P(
    PresDeUn, SousPoint,
    ::testing::Values(Rendu{1.0, 10, "1.0000000000"}, Rendu{1.0, 3, "1.000"}, Rendu{1.0, -16, "1"},
                      Rendu{0.99999999999991, 10, "1.0000000000"}, Rendu{0.99999999999991, 0, "1"},
                      Rendu{1.0 - 1e-13, 0, "1.0000E+00"}, Rendu{1.0 + 1e-13, 14, "1.00000000"},
                      Rendu{0.9999999999998, 10, "9.99999999999800E-01"},
                      Rendu{0.9999999999999999, 10, "1.0000000000"}, Rendu{-1.0, 3, "-1.000"}));

// The largest and smallest doubles.
INSTANTIATE_TEST_SUITE_P(
    Extremes, SousPoint,
    ::testing::Values(
        Rendu{1e308, 3, "1.0000000E+308"}, Rendu{1e308, 10, "1.00000000000000E+308"},
        Rendu{1e308, -16, "1E+308"}, Rendu{-1e308, 3, "-1.0000000E+308"},
        Rendu{std::numeric_limits<double>::max(), 3, "1.7976931E+308"},
        Rendu{std::numeric_limits<double>::max(), 12, "1.79769313486232E+308"},
        Rendu{5e-324, 3, "4.9407E-324"}, Rendu{5e-324, 10, "4.94065645841247E-324"},
        Rendu{5e-324, 12, "4.94065645841247E-324"}, Rendu{5e-324, -16, "4.94065645841247E-324"},
        Rendu{5e-324, -20, "4.94065645841247E-324"}, Rendu{1e-300, 3, "1.0000E-300"},
        Rendu{1e-300, 10, "1.00000000000000E-300"}, Rendu{1e-300, 12, "1.00000000000000E-300"},
        Rendu{1e-300, -16, "1E-300"}, Rendu{1e-300, -20, "1E-300"}, Rendu{-1e-300, -20, "-1E-300"},
        Rendu{1e-100, 3, "1.0000E-100"}, Rendu{1e-101, 3, "1.0000E-101"},
        Rendu{1.5e100, 3, "1.50000000E+100"}, Rendu{1e-5, 10, "1.00000000000000E-05"}));

TEST(FormateNombreEchec, RendLeTexteVidePourUneValeurNonFinie) {
    for (const double valeur :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(FormateNombre(valeur, 3, "."), "");
        EXPECT_EQ(FormateNombre(valeur, -16, ","), "");
    }
}

TEST(FormateNombreEchec, RendLeTexteVidePourUnCompteSansValeurAbsolue) {
    EXPECT_EQ(FormateNombre(1.5, -32768, "."), "");
    EXPECT_EQ(FormateNombre(-1e-300, -32768, ","), "");
}

TEST(FormateNombreGrandsComptes, EcritToutesLesDecimalesSousLaVirgule) {
    const std::string texte = FormateNombre(0.001, 32767, ",");
    ASSERT_EQ(texte.size(), 2u + 32767u);
    EXPECT_EQ(texte.substr(0, 6), "0.0010");
    EXPECT_EQ(texte.find_first_not_of('0', 5), std::string::npos);
}

TEST(FormateNombreGrandsComptes, CoupeAQuinzeChiffresSousLePoint) {
    EXPECT_EQ(FormateNombre(0.001, 32767, "."), "0.00100000000000000");
    EXPECT_EQ(FormateNombre(0.001, -32767, "."), "0.001");
    EXPECT_EQ(FormateNombre(kTiers, -32767, ","), "0.333333333333333");
    EXPECT_EQ(FormateNombre(-1e-20, 32767, "."), "-1.00000000000000E-20");
    EXPECT_EQ(FormateNombre(2.5, 32767, ","), "2.50000000000000");
    EXPECT_EQ(FormateNombre(2.5, 32767, "."), "2.50000000");
}

TEST(SymboleDecimal, SuitLaLocaleNumeriqueDuProcessus) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(SymboleDecimalRegional(), ".");
    EXPECT_EQ(FormateNombre(123456789, 3), "123456789");
    EXPECT_EQ(FormateNombre(0.75, -3), "0.75");
}

TEST(SymboleDecimal, TraiteUnAutreSymboleCommeLaVirgule) {
    // The Arabic decimal separator, two bytes in UTF-8: the text still carries a point.
    EXPECT_EQ(FormateNombre(123456789, 3, "\xD9\xAB"), "123456789.000");
    EXPECT_EQ(FormateNombre(0.75, 3, ""), "0.750");
}

TEST(SymboleDecimal, PrendLaVirguleDUneLocaleQuiLaDemande) {
    bool trouvee = false;
    for (const char* nom : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, nom) != nullptr) {
            trouvee = true;
            break;
        }
    }
    if (!trouvee) GTEST_SKIP() << "no locale with a decimal comma on this machine";
    const std::string symbole = SymboleDecimalRegional();
    const std::string grand = FormateNombre(123456789, 3);
    const std::string petit = FormateNombre(0.75, 3);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(symbole, ",");
    EXPECT_EQ(grand, "123456789.000");
    EXPECT_EQ(petit, "0.750");
}

struct Remplacement {
    const char* texte;
    const char* cherche;
    const char* remplace;
    const char* attendu;
};

class RemplaceTexteCas : public ::testing::TestWithParam<Remplacement> {};

TEST_P(RemplaceTexteCas, RemplaceSelonLaRegleDeReprise) {
    const Remplacement& r = GetParam();
    EXPECT_EQ(RemplaceTexte(r.texte, r.cherche, r.remplace), r.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RemplaceTexteCas,
    ::testing::Values(Remplacement{"3,5", ",", ".", "3.5"}, Remplacement{",,a,", ",", ".", "..a."},
                      Remplacement{"", ",", ".", ""}, Remplacement{"abc", ",", ".", "abc"},
                      // A longer replacement is never searched again.
                      Remplacement{"a", "a", "aa", "aa"}, Remplacement{"aba", "a", "aa", "aabaa"},
                      // After a shorter one the search resumes where the occurrence began,
                      // so occurrences formed by the replacement are replaced too.
                      Remplacement{"aaaa", "aa", "a", "a"}, Remplacement{"abb", "ab", "a", "a"},
                      // Equal lengths resume behind the replacement: the overlap is skipped.
                      Remplacement{"abb", "ab", "xa", "xab"}));

TEST(MinimumReelCas, RendLePlusPetitEtAQuandEgaux) {
    EXPECT_EQ(MinimumReel(1, 2), 1);
    EXPECT_EQ(MinimumReel(2, 1), 1);
    EXPECT_EQ(MinimumReel(-3, -3), -3);
    EXPECT_TRUE(std::signbit(MinimumReel(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(MinimumReel(0.0, -0.0)));
}

}  // namespace
}  // namespace ormane
