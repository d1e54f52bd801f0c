// The start-up example (9 degrees of freedom, two-tailed p 0.30) computed through the
// refresh, against values computed outside the program (data/startup-example.csv, from
// help/checks/worked_example.cpp and worked_example_check.py).
#include "compute/change_decimales.h"
#include "compute/refresh.h"
#include "compute_fixture.h"

#include <fstream>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

namespace ormane::testing {
namespace {

class ExempleDemarrageTest : public ComputeTest {
  protected:
    void Calcule(bool brut = false) {
        EntreExempleDemarrage();
        if (brut) ChoisitEffetBrut();
        std::int16_t automatique = 1;
        MiseAJOUR(*feuille, module, automatique);
    }
};

// data/startup-example.csv: every kept result of the example against the reference.
TEST_F(ExempleDemarrageTest, KeptResultsMatchTheIndependentReference) {
    const std::map<std::string, Resultat> resultats{{"Prep", Resultat::Prep},
                                                    {"Psrep", Resultat::Psrep},
                                                    {"Ppreprep", Resultat::Ppreprep},
                                                    {"tReplique", Resultat::tReplique},
                                                    {"pReplique", Resultat::pReplique},
                                                    {"Effet", Resultat::Effet},
                                                    {"EffetReplique", Resultat::EffetReplique}};
    std::ifstream fichier(STARTUP_EXAMPLE_CSV);
    ASSERT_TRUE(fichier) << STARTUP_EXAMPLE_CSV;
    int lues = 0;
    bool entete = true;
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (ligne.empty() || ligne[0] == '#' || std::exchange(entete, false)) continue;
        std::vector<std::string> c;
        std::istringstream champs(ligne);
        for (std::string champ; std::getline(champs, champ, ',');) c.push_back(champ);
        ASSERT_EQ(c.size(), 5u) << ligne;
        ASSERT_TRUE(resultats.contains(c[1]) && (c[2] == "low" || c[2] == "high")) << ligne;
        ++lues;
        Calcule(c[0] == "raw");
        const double limite = (c[2] == "low" ? Bas : Haut)(module.resultats, resultats.at(c[1]));
        EXPECT_THAT(limite, DoubleNear(std::stod(c[3]), std::stod(c[4]))) << ligne;
    }
    EXPECT_EQ(lues, 15);
    EXPECT_EQ(Eti("EtiIC", 0).caption(), "[-5.285,15.285]");
    EXPECT_EQ(Eti("EtiIC", 1).caption(), "[-9.545,19.545]");
}

// data/startup-example-shown.csv: the texts shown with 3 decimals, then with 4.
TEST_F(ExempleDemarrageTest, ShowsItsResultsAndRendersThemAgainWithOtherDecimals) {
    Calcule();
    EXPECT_EQ(module.CalculEnCours, Faux);
    std::ifstream fichier(STARTUP_EXAMPLE_SHOWN_CSV);
    ASSERT_TRUE(fichier) << STARTUP_EXAMPLE_SHOWN_CSV;
    int lues = 0;
    bool entete = true;
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (ligne.empty() || ligne[0] == '#' || std::exchange(entete, false)) continue;
        // decimals, control, index, then the text (between quotes when it holds a comma).
        std::istringstream champs(ligne);
        std::string decimales, nom, index, texte;
        std::getline(champs, decimales, ',');
        std::getline(champs, nom, ',');
        std::getline(champs, index, ',');
        std::getline(champs, texte);
        if (texte.size() >= 2 && texte.front() == '"') texte = texte.substr(1, texte.size() - 2);
        ++lues;
        if (std::stoi(decimales) != module.NbDecimales) {
            module.NbDecimales = static_cast<std::int16_t>(std::stoi(decimales));
            ChangeDecimales(*feuille, module);
        }
        const auto i = static_cast<std::int16_t>(std::stoi(index));
        window::Control& c = i < 0 ? feuille->control(nom) : feuille->control(nom, i);
        const std::string montre = c.kind() == window::Kind::Label
                                       ? static_cast<window::Label&>(c).caption()
                                       : static_cast<window::TextControl&>(c).text();
        EXPECT_EQ(montre, texte) << ligne;
    }
    EXPECT_EQ(lues, 28);
    EXPECT_EQ(module.NbDecimales, 4);
}

}  // namespace
}  // namespace ormane::testing
