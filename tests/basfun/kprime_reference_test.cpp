// The K-prime distribution against the shared reference values (20 digits, see data/README)
// and the published lambda-prime value.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "appel_basfun.h"

namespace {

struct Reference {
    double x, nu1, nu2, lambda;
    long double cdf;
};

std::vector<Reference> LitReferences() {
    std::ifstream fichier(KPRIME_REFERENCE_CSV);
    std::vector<Reference> lignes;
    std::string ligne;
    std::getline(fichier, ligne);  // header
    while (std::getline(fichier, ligne)) {
        std::istringstream champs(ligne);
        Reference r{};
        char virgule;
        champs >> r.x >> virgule >> r.nu1 >> virgule >> r.nu2 >> virgule >> r.lambda >> virgule >>
            r.cdf;
        if (champs) lignes.push_back(r);
    }
    return lignes;
}

TEST(KprimeReference, AllSixtyValuesToFullDoublePrecision) {
    const std::vector<Reference> references = LitReferences();
    ASSERT_EQ(references.size(), 60u);
    for (const Reference& r : references) {
        for (double tolerance : {1e-16, 1e-12}) {
            const ResultatBasfun k = Kprime(r.x, r.nu1, r.nu2, r.lambda, tolerance);
            EXPECT_EQ(k.statut, 0);
            EXPECT_NEAR(k.valeur, static_cast<double>(r.cdf), 2e-14)
                << r.x << " " << r.nu1 << " " << r.nu2 << " " << r.lambda;
        }
        // The program's everyday tolerance may be used to go faster, within itself.
        EXPECT_NEAR(Kprime(r.x, r.nu1, r.nu2, r.lambda, 1e-9).valeur, static_cast<double>(r.cdf),
                    1e-9);
    }
}

TEST(KprimeReference, PublishedLambdaPrimeValue) {
    EXPECT_NEAR(Kprime(11.1, 9, 1e300, 10).valeur, 0.7134134188, 5e-11);
}

}  // namespace
