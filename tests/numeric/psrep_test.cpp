// psrep and ppreprep: the case with a closed form (no effect), 40-digit reference values, and
// the refused arguments.
#include "numeric/psrep.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <vector>

#include "csv_numbers.h"

namespace ormane {
namespace {

// Without an effect K is Student's t with nu' degrees of freedom: 1 - F(t(p) / sqrt 2).
TEST(CalculePsrep, WithoutAnEffectBothAreAStudentTail) {
    for (const double nu : {3.0, 9.0, 40.0}) {
        const boost::math::students_t student(nu);
        auto queue = [&](double p) {
            return 1.0 -
                   boost::math::cdf(student, boost::math::quantile(student, p) / std::sqrt(2.0));
        };
        for (const double alpha : {0.005, 0.025, 0.05, 0.25}) {
            CodeErreur erreur = 99;
            EXPECT_NEAR(CalculePsrep(alpha, 0.0, nu, nu, 1.0, erreur), queue(1 - alpha), 1e-9)
                << "nu=" << nu << " alpha=" << alpha;
            EXPECT_EQ(erreur, kSucces);
        }
        for (const double gamma : {0.6, 0.9, 0.99}) {
            CodeErreur erreur = 99;
            EXPECT_NEAR(CalculePpreprep(gamma, 0.0, nu, nu, 1.0, erreur), queue(gamma), 1e-9)
                << "nu=" << nu << " gamma=" << gamma;
            EXPECT_EQ(erreur, kSucces);
        }
    }
}

TEST(CalculePsrep, RefusedArgumentsGiveMinusOneAndZero) {
    struct {
        double alpha, nu, c;
    } const cas[] = {{0.0, 9, 1},  {0.025, 0, 1},  {0.025, -4, 1},   {1.0, 9, 1},   {1.5, 9, 1},
                     {-0.2, 9, 1}, {0.025, 9, -1}, {0.025, 9, -0.5}, {0.025, 9, -3}};
    for (const auto& c : cas) {
        CodeErreur erreur = 99;
        EXPECT_EQ(CalculePsrep(c.alpha, 1.5, c.nu, 9.0, c.c, erreur), 0.0)
            << c.alpha << " " << c.nu << " " << c.c;
        EXPECT_EQ(erreur, kEchec);
        if (c.c < 0) continue;
        erreur = 99;
        EXPECT_EQ(CalculePpreprep(c.alpha, 1.5, c.nu, 9.0, c.c, erreur), 0.0);
        EXPECT_EQ(erreur, kEchec);
    }
}

// Against 40-digit values (data/psrep_reference.py): both to 1e-12 relative, although the
// K-prime function is asked a tolerance of 1e-9 only.
TEST(CalculePsrep, ExactToTheLastDigitsAgainstTheReferenceValues) {
    const std::vector<LigneCsv> lignes = LitCsv(PSREP_REFERENCE_CSV);
    ASSERT_EQ(lignes.size(), 10u);
    for (const LigneCsv& l : lignes) {
        const auto& v = l.valeurs;
        ASSERT_EQ(v.size(), 6u) << l.texte;
        const double t = v[0], df = v[1], dfR = v[2], c = v[3], psrep = v[4], ppreprep = v[5];
        SCOPED_TRACE(l.texte);
        CodeErreur erreur = 99;
        EXPECT_NEAR(CalculePsrep(0.025, t, df, dfR, c, erreur), psrep, 1e-12 * psrep);
        EXPECT_EQ(erreur, kSucces);
        EXPECT_NEAR(CalculePpreprep(0.9, t, df, dfR, c, erreur), ppreprep, 1e-12 * ppreprep);
        EXPECT_EQ(erreur, kSucces);
    }
}

}  // namespace
}  // namespace ormane
