// The start-up example (9 degrees of freedom, two-tailed p 0.30) computed through the
// refresh, against values computed outside the program (data/startup-example.csv, from
// help/checks/worked_example.cpp and worked_example_check.py).
#include "compute/change_decimales.h"
#include "compute/refresh.h"
#include "compute_fixture.h"
#include "csv_numbers.h"

#include <map>

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
    const auto lignes = LitChamps(STARTUP_EXAMPLE_CSV);
    for (const auto& c : lignes) {
        ASSERT_EQ(c.size(), 5u) << c[0];
        SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2]);
        ASSERT_TRUE(resultats.contains(c[1]) && (c[2] == "low" || c[2] == "high"));
        Calcule(c[0] == "raw");
        const double limite = (c[2] == "low" ? Bas : Haut)(module.resultats, resultats.at(c[1]));
        EXPECT_THAT(limite, DoubleNear(std::stod(c[3]), std::stod(c[4])));
    }
    EXPECT_EQ(lignes.size(), 15u);
    EXPECT_EQ(Eti("EtiIC", 0).caption(), "[-5.285,15.285]");
    EXPECT_EQ(Eti("EtiIC", 1).caption(), "[-9.545,19.545]");
}

// data/startup-example-shown.csv: the texts shown with 3 decimals, then with 4.
TEST_F(ExempleDemarrageTest, ShowsItsResultsAndRendersThemAgainWithOtherDecimals) {
    Calcule();
    EXPECT_EQ(module.CalculEnCours, Faux);
    // decimals, control, index, then the text (between quotes when it holds a comma).
    const auto lignes = LitChamps(STARTUP_EXAMPLE_SHOWN_CSV, ',', 4);
    for (const auto& l : lignes) {
        ASSERT_EQ(l.size(), 4u) << l[0];
        std::string texte = l[3];
        if (texte.size() >= 2 && texte.front() == '"') texte = texte.substr(1, texte.size() - 2);
        if (std::stoi(l[0]) != module.NbDecimales) {
            module.NbDecimales = static_cast<std::int16_t>(std::stoi(l[0]));
            ChangeDecimales(*feuille, module);
        }
        const auto i = static_cast<std::int16_t>(std::stoi(l[2]));
        window::Control& c = i < 0 ? feuille->control(l[1]) : feuille->control(l[1], i);
        const std::string montre = c.kind() == window::Kind::Label
                                       ? static_cast<window::Label&>(c).caption()
                                       : static_cast<window::TextControl&>(c).text();
        EXPECT_EQ(montre, texte) << l[0] << " " << l[1] << " " << l[2];
    }
    EXPECT_EQ(lignes.size(), 28u);
    EXPECT_EQ(module.NbDecimales, 4);
}

}  // namespace
}  // namespace ormane::testing
