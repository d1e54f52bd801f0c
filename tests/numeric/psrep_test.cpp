// psrep and ppreprep: the case with a closed form (no effect), 40-digit reference values, and
// the refused arguments.
#include "numeric/psrep.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <vector>

#include "csv_numbers.h"
#include "numeric/student.h"

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

// psrep asks for the same sign and significance, prep for the same sign only: psrep can never
// be the larger, above all for t near 0, where both tend to 1/2 and prep moves by t f(0). As c
// grows psrep tends to prep itself, computed another way (the K-prime series against Student's
// distribution): the two may then differ by their roundings, a few ulps of 1, no more.
TEST(CalculePsrep, NeverAbovePrepNearZeroOrElsewhere) {
    for (const double t : {1e-300, 1e-12, 1e-9, 3e-8, 1e-7, 1e-6, 1e-3, 0.5, 2.0, 6.0, 40.0})
        for (const double df : {0.5, 1.0, 3.0, 30.0, 5e4})
            for (const double dfR : {df, 1.0, 1e3})
                for (const double c : {0.01, 1.0, 1e6, 1e20, 1e300})
                    for (const double alpha : {0.025, 0.45}) {
                        CodeErreur erreur = 99;
                        const double prep = CalculPrep(t, df, c, erreur);
                        const double psrep = CalculePsrep(alpha, t, df, dfR, c, erreur);
                        ASSERT_EQ(erreur, kSucces);
                        EXPECT_LE(psrep, prep + 1e-15)
                            << t << " " << df << " " << dfR << " " << c << " " << alpha;
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
