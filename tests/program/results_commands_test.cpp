// The Results menu on the whole program (headless platform): what reaches the clipboard in
// both languages, the report sentence of the default example, and the saved files, which
// read back as the same numbers and, for CSV, are a batch input that computes them again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/csv.h"
#include "compute/results_table.h"
#include "programme_fixture.h"

namespace ormane::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

const std::string nbsp = "\u00A0";

class ResultsMenu : public ProgrammeTest {
  protected:
    ResultsMenu() {
        Demarre();
        dossier_ =
            fs::temp_directory_path() /
            ("ormane-results-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier_);
    }
    ~ResultsMenu() override { fs::remove_all(dossier_); }

    void Clique(const char* menu) { ASSERT_TRUE(UserActions::click(F().menuItem(menu))); }
    void Clique(const char* menu, std::int16_t index) {
        ASSERT_TRUE(UserActions::click(F().menuItem(menu, index)));
    }
    void Coche(const char* nom, std::int16_t index = -1) {
        window::CheckBox& box = index < 0 ? F().checkBox(nom) : F().checkBox(nom, index);
        ASSERT_TRUE(UserActions::click(box));
    }
    // psrep, ppreprep and the prediction intervals on show.
    void MontreTout() {
        Coche("CasePsrep");
        Coche("CasePreprep");
        Coche("OptionIC", 1);
    }
    std::string Copie() { return platform.clipboard.text().value_or("(nothing)"); }
    std::string Lis(const fs::path& chemin) {
        std::ifstream fichier(chemin, std::ios::binary);
        std::stringstream texte;
        texte << fichier.rdbuf();
        return texte.str();
    }
    std::string Enregistre(const std::string& nom, std::size_t format) {
        platform.saveDialog.chooseNext((dossier_ / nom).string(), format);
        Clique("MenuEnregistrerResultats");
        return Lis(dossier_ / nom);
    }

    fs::path dossier_;
};

double Nombre(const std::string& texte) {
    double valeur = 0;
    const auto lu = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    EXPECT_EQ(lu.ptr, texte.data() + texte.size()) << texte;
    return valeur;
}

std::vector<std::vector<std::string>> LignesCsv(const std::string& texte) {
    std::istringstream entree(texte);
    cli::CsvReader lecteur(entree);
    std::vector<std::vector<std::string>> lignes;
    while (auto ligne = lecteur.next()) {
        EXPECT_FALSE(ligne->error.has_value());
        lignes.push_back(ligne->fields);
    }
    return lignes;
}

TEST_F(ResultsMenu, CopyResultsPutsTheShownResultsUnderTheirCaptionsAndSaysSo) {
    Clique("MenuCopierResultats");
    EXPECT_EQ(Copie(),
              "prep = probability of finding a same-sign effect in a replication\n"
              "  prep = 0.772\n");
    MontreTout();
    Clique("MenuCopierResultats");
    // The rows as the labels read; a row whose label is blank is left out.
    EXPECT_EQ(Copie(),
              "prep = probability of finding a same-sign effect in a replication\n"
              "  prep = 0.772\n"
              "psrep = probability of finding a same-sign and significant at the alpha level "
              "effect in a replication\n"
              "  psrep = 0.230\n"
              "ppreprep = probability of finding a same-sign effect with prep > gamma in a "
              "replication\n"
              "  preprep = 0.426\n"
              "Prediction intervals 95 %\n"
              "Student t/one-tailed p in a replication\n"
              "  t [-1.928,4.682]\n"
              "  p " +
                  Legende("EtiICt", 2) + "\n");
    EXPECT_EQ(platform.messageBox.messages().back().text,
              "The results on show have been copied to the clipboard:\n\n" + Copie());

    Clique("MenuLangue", 1);
    Clique("MenuCopierResultats");
    EXPECT_THAT(Copie(), StartsWith("prep = probabilité de trouver un effet de même signe dans une "
                                    "réplique\n  prep = 0"));
    EXPECT_THAT(Copie(), HasSubstr("\nintervalles de Prédiction 95 %\nt de Student/p unilatéral "
                                   "dans réplique\n  t [-1"));
    EXPECT_THAT(platform.messageBox.messages().back().text,
                StartsWith("Les résultats affichés ont été copiés dans le presse-papier :\n\n"));
}

TEST_F(ResultsMenu, CopyTheReportInBothLanguagesAndInTheFutureExperimentsWords) {
    MontreTout();
    Clique("MenuCopierRapport");
    EXPECT_EQ(Copie(),
              "t(9) = 1.10, two-tailed p = .30: prep = .772, psrep (α = .05, two-tailed) = .230, "
              "ppreprep (γ = .90) = .426, 95% prediction interval of the replication's t "
              "[−1.93, 4.68], 95% prediction interval of the replication's one-tailed p "
              "[.001, .957]");
    EXPECT_EQ(platform.messageBox.messages().back().text,
              "The report has been copied to the clipboard:\n\n" + Copie());

    Clique("MenuLangue", 1);
    Clique("MenuCopierRapport");
    EXPECT_EQ(Copie(),
              "t(9) = 1,10" + nbsp + "; p bilatéral = 0,30" + nbsp + ": prep = 0,772" + nbsp +
                  "; psrep (α = 0,05 bilatéral) = 0,230" + nbsp + "; ppreprep (γ = 0,90) = 0,426" +
                  nbsp + "; intervalle de prédiction à 95" + nbsp + "% du t de la réplique [−1,93" +
                  nbsp + "; 4,68]" + nbsp + "; intervalle de prédiction à 95" + nbsp +
                  "% du p unilatéral de la réplique [0,001" + nbsp + "; 0,957]");

    ASSERT_TRUE(UserActions::click(F().optionButton("OptionReplique", 1)));
    Tape(F().textBox("Textec"), "2");
    Tape(F().textBox("TextedfR"), "30");
    Clique("MenuCopierRapport");
    EXPECT_THAT(Copie(), HasSubstr("; pour une expérience future aux effectifs multipliés par 2 "
                                   "(dl = 30)" +
                                   nbsp + ": prep = 0,"));
    EXPECT_THAT(Copie(), HasSubstr("% du t de l'expérience future ["));
    EXPECT_THAT(Copie(), Not(HasSubstr("réplique")));
}

TEST_F(ResultsMenu, WithNothingComputedTheCopiesDoNothing) {
    Tape(F().textBox("Textedf"), "");
    ASSERT_EQ(Legende("EtiPrep"), "");
    const auto messages = platform.messageBox.messages().size();
    Clique("MenuCopierResultats");
    Clique("MenuCopierRapport");
    EXPECT_FALSE(platform.clipboard.text().has_value());
    EXPECT_EQ(platform.messageBox.messages().size(), messages);
}

TEST_F(ResultsMenu, AClipboardThatRefusesTheTextIsNotSaidToHaveIt) {
    platform.clipboard.setFailing(true);
    Clique("MenuCopierResultats");
    Clique("MenuCopierRapport");
    EXPECT_EQ(platform.clipboard.failedAttempts(), 2);
    EXPECT_THAT(platform.messageBox.messages(), IsEmpty());
}

TEST_F(ResultsMenu, SaveAsksInTheLanguageWithCsvFirstAndCancellingWritesNothing) {
    Clique("MenuEnregistrerResultats");
    Clique("MenuLangue", 1);
    Clique("MenuEnregistrerResultats");
    const std::vector<platform::FileFormat> formats{{"CSV", "csv"}, {"JSON", "json"}};
    EXPECT_THAT(platform.saveDialog.requests(),
                ElementsAre(platform::ScriptedSaveDialog::Request{"Save the results",
                                                                  "ormane-results.csv", formats},
                            platform::ScriptedSaveDialog::Request{
                                "Enregistrer les résultats", "resultats-ormane.csv", formats}));
    EXPECT_TRUE(fs::is_empty(dossier_));
    EXPECT_THAT(platform.messageBox.messages(), IsEmpty());
}

TEST_F(ResultsMenu, TheJsonFileIsTheComputeObjectWithTheKeptNumbers) {
    MontreTout();
    // The extension decides over the filter chosen.
    const auto json = nlohmann::json::parse(Enregistre("r.json", 0));
    const ResultatsConserves& k = M().resultats;
    EXPECT_EQ(json["entries"]["df"], "9");
    EXPECT_EQ(json["entries"]["p2"], "0.30");
    EXPECT_EQ(json["status"], "");
    for (const LigneResultat& ligne : TableResultats()) {
        SCOPED_TRACE(ligne.cle);
        const auto& kept = k[ligne.resultat];
        if (!kept) {
            EXPECT_TRUE(json[ligne.cle].is_null());
            EXPECT_TRUE(json["unavailable"].contains(ligne.cle));
        } else if (ligne.intervalle()) {
            EXPECT_EQ(json[ligne.cle][0].get<double>(), kept->bas);
            EXPECT_EQ(json[ligne.cle][1].get<double>(), kept->haut);
        } else {
            EXPECT_EQ(json[ligne.cle].get<double>(), kept->bas);
        }
    }
    EXPECT_EQ(json["prep"].get<double>(), *k.valeur(Resultat::Prep));
    EXPECT_EQ(json["labels"]["prep"], Legende("EtiPrep"));
}

TEST_F(ResultsMenu, TheCsvFileHoldsTheEntriesAndExactNumbersAndIsABatchInput) {
    MontreTout();
    ASSERT_TRUE(UserActions::click(F().optionButton("OptionAlpha", 1)));
    ASSERT_TRUE(UserActions::click(F().optionButton("OptionReplique", 1)));
    Tape(F().textBox("Textec"), "2");
    Tape(F().textBox("TextedfR"), "30");
    // Without an extension, the filter chosen decides.
    const std::string csv = Enregistre("r", 0);
    const auto lignes = LignesCsv(csv);
    ASSERT_EQ(lignes.size(), 2U);
    const auto& entete = lignes[0];
    const auto& ligne = lignes[1];
    ASSERT_EQ(entete.size(), ligne.size());
    auto cellule = [&](const std::string& colonne) {
        const auto at = std::find(entete.begin(), entete.end(), colonne);
        EXPECT_NE(at, entete.end()) << colonne;
        return at == entete.end() ? std::string() : ligne[at - entete.begin()];
    };
    EXPECT_EQ(std::vector(entete.begin(), entete.begin() + 10),
              (std::vector<std::string>{"df", "p2", "c", "dfR", "alpha", "alpha_tails", "gamma",
                                        "estimate_level", "prediction_level", "d"}));
    EXPECT_EQ(cellule("p2"), "0.30");
    EXPECT_EQ(cellule("c"), "2");
    EXPECT_EQ(cellule("alpha_tails"), "1");
    EXPECT_EQ(cellule("error"), "");
    const ResultatsConserves& k = M().resultats;
    EXPECT_EQ(Nombre(cellule("prep")), *k.valeur(Resultat::Prep));
    EXPECT_EQ(Nombre(cellule("psrep")), *k.valeur(Resultat::Psrep));
    EXPECT_EQ(Nombre(cellule("t_pred_lo")), k[Resultat::tReplique]->bas);
    EXPECT_EQ(Nombre(cellule("t_pred_hi")), k[Resultat::tReplique]->haut);

    // The batch, given the file's entry columns alone, computes the very same results.
    const auto entrees =
        static_cast<std::size_t>(std::find(entete.begin(), entete.end(), "prep") - entete.begin());
    std::istringstream entree(csvRecord(std::vector(entete.begin(), entete.begin() + entrees)) +
                              csvRecord(std::vector(ligne.begin(), ligne.begin() + entrees)));
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(cli::runBatch(entree, "r", sortie, erreurs), 0) << erreurs.str();
    const auto recalcul = LignesCsv(sortie.str());
    ASSERT_EQ(recalcul.size(), 2U);
    EXPECT_EQ(recalcul[0], entete);
    EXPECT_EQ(recalcul[1], ligne);
}

TEST_F(ResultsMenu, AFileThatCannotBeWrittenIsSaidInTheLanguage) {
    const std::string chemin = (dossier_ / "missing" / "r.csv").string();
    platform.saveDialog.chooseNext(chemin, 0);
    Clique("MenuEnregistrerResultats");
    Clique("MenuLangue", 1);
    platform.saveDialog.chooseNext(chemin, 1);
    Clique("MenuEnregistrerResultats");
    using Message = platform::RecordingMessageBox::Message;
    EXPECT_THAT(platform.messageBox.messages(),
                ElementsAre(Message{"The results could not be saved to " + chemin +
                                        ": No such file or directory",
                                    "Ormane"},
                            Message{"Les résultats n'ont pas pu être enregistrés dans " + chemin +
                                        nbsp + ": No such file or directory",
                                    "Ormane"}));
}

}  // namespace
}  // namespace ormane::testing
