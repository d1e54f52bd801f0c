// The web page's door to the program: the start-up example on start, a person's typing and
// key releases recomputing, the settings given and kept, and every effect that a platform
// service leaves to the page (a modal panel and its answer, a pop-up menu, a help page, the
// clipboard, a download, the end of the program).
#include "web/page_session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace ormane::web {
namespace {

// A folder of its own for each session's downloads, removed with it.
struct Dossier {
    std::filesystem::path chemin =
        std::filesystem::temp_directory_path() /
        ("ormane-page-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    ~Dossier() { std::filesystem::remove_all(chemin); }
};

struct Page {
    Dossier dossier;
    PageSession session{dossier.chemin.string()};
    Json dernier;
    // What the page shows: each answer's controls laid over the earlier ones.
    std::map<std::string, std::map<std::string, Json>> vue;

    Json Fait(Json requete) {
        dernier = session.Traite(requete);
        EXPECT_FALSE(dernier.contains("error")) << dernier.value("error", "");
        for (const Json& f : dernier.at("forms")) {
            if (!f.contains("controls")) continue;
            for (const Json& c : f.at("controls")) vue[f.at("name")][c.at("id")] = c;
        }
        return dernier;
    }
    const Json& Montre(const std::string& id) { return vue["FeuilleOrmane"][id]; }
    Json Demarre(Json reglages = Json::object(), const char* symbole = ".") {
        return Fait({{"do", "start"}, {"settings", reglages}, {"decimalSymbol", symbole}});
    }
    Json Action(const char* action, const char* forme, const char* controle, Json plus = {}) {
        Json r{{"do", action}, {"form", forme}, {"control", controle}};
        if (plus.is_object()) r.update(plus);
        return Fait(r);
    }
    // Typing a text then releasing a key, as a person does in the main window.
    void Tape(const char* controle, const std::string& texte) {
        Action("type", "FeuilleOrmane", controle, {{"text", texte}});
        Action("keyUp", "FeuilleOrmane", controle, {{"key", 13}});
    }
};

// The state of a control in the answer `reponse` (null when it is not in it).
Json Controle(const Json& reponse, const std::string& forme, const std::string& id) {
    for (const Json& f : reponse.at("forms")) {
        if (f.at("name") != forme || !f.contains("controls")) continue;
        for (const Json& c : f.at("controls")) {
            if (c.at("id") == id) return c;
        }
    }
    return nullptr;
}

std::vector<Json> Effets(const Json& reponse, const std::string& genre) {
    std::vector<Json> effets;
    for (const Json& e : reponse.at("effects")) {
        if (e.at("effect") == genre) effets.push_back(e);
    }
    return effets;
}

TEST(PageSession, StartsOnTheExampleAndGivesTheWholeWindow) {
    Page page;
    const Json r = page.Demarre();
    EXPECT_EQ(Controle(r, "FeuilleOrmane", "EtiPrep").at("caption"), " prep = 0.772");
    EXPECT_EQ(Controle(r, "FeuilleOrmane", "Textet(3)").at("text"), "0.30");
    EXPECT_EQ(Controle(r, "FeuilleOrmane", "Textedf").at("kind"), "TextBox");
    ASSERT_EQ(Effets(r, "show").size(), 1U);
    EXPECT_EQ(Effets(r, "show")[0].at("form"), "FeuilleOrmane");
}

// Only what changed comes back: the results of the person's own numbers, and the example's
// effect emptied.
TEST(PageSession, TypingRecomputesAndGivesWhatChanged) {
    Page page;
    page.Demarre();
    page.Action("type", "FeuilleOrmane", "Textedf", {{"text", "20"}});
    const Json r = page.Action("keyUp", "FeuilleOrmane", "Textedf", {{"key", 48}});
    page.Tape("Textet(1)", "2.5");
    EXPECT_EQ(page.Montre("EtiPrep").at("caption"), " prep = 0.954");
    EXPECT_EQ(page.Montre("Textet(3)").at("text"), "0.0212335454391324");
    EXPECT_EQ(page.Montre("Textedf").at("text"), "20");
    EXPECT_EQ(page.Montre("TexteEffet(0)").at("text"), "");
    // An answer holds what changed, not the whole window.
    std::size_t changes = 0;
    for (const Json& f : r.at("forms")) changes += f.value("controls", Json::array()).size();
    EXPECT_GT(changes, 0U);
    EXPECT_LT(changes, page.vue["FeuilleOrmane"].size() / 2);
}

// The settings the browser kept start the program (the results' texts keep their point
// whatever the regional symbol); quitting hands back the store and ends.
TEST(PageSession, SettingsComeFromThePageAndGoBackToIt) {
    Page page;
    const Json r = page.Demarre({{"ormane/Options/L", "0"}, {"ormane/Options/D", "5"}}, ",");
    EXPECT_EQ(Controle(r, "FeuilleOrmane", "BoutonCalculer").at("caption"), "&Calculer");
    EXPECT_EQ(Controle(r, "FeuilleOrmane", "EtiPrep").at("caption"), " prep = 0.77163");
    const Json fin = page.Action("click", "FeuilleOrmane", "BoutonQuitter");
    const auto reglages = Effets(fin, "settings");
    ASSERT_FALSE(reglages.empty());
    EXPECT_EQ(reglages.back().at("settings").at("ormane/Options/D"), "5");
    EXPECT_EQ(reglages.back().at("settings").at("ormane/Options/L"), "0");
    EXPECT_EQ(Effets(fin, "ended").size(), 1U);
    EXPECT_TRUE(fin.at("ended"));
}

// A modal form is a panel: the main window takes nothing while it is open; once the person
// closes it, what the program does with its answer follows (the planning dialog types the c
// and df it found into the main window).
TEST(PageSession, AModalFormIsAPanelWhoseAnswerFollowsItsClosing) {
    Page page;
    page.Demarre();
    const Json ouvert = page.Action("click", "FeuilleOrmane", "MenuPlanifier");
    const auto montre = Effets(ouvert, "show");
    ASSERT_EQ(montre.size(), 1U);
    EXPECT_TRUE(montre[0].at("modal"));
    const std::string plan = montre[0].at("form");
    const Json refuse = page.Action("type", "FeuilleOrmane", "Textedf", {{"text", "30"}});
    EXPECT_FALSE(refuse.at("taken"));

    page.Action("click", plan.c_str(), "BoutonUtiliser");
    EXPECT_EQ(Controle(page.dernier, "FeuilleOrmane", "OptionReplique(1)").at("value"), true);
    EXPECT_FALSE(
        Controle(page.dernier, "FeuilleOrmane", "Textec").at("text").get<std::string>().empty());
    const Json accepte = page.Action("type", "FeuilleOrmane", "Textedf", {{"text", "30"}});
    EXPECT_TRUE(accepte.at("taken"));
}

// The Help button's pop-up is a panel of its items; choosing one opens its help page. The
// copy of prep reaches the clipboard and the message box is a notice.
TEST(PageSession, PopupsHelpClipboardAndMessagesAreEffects) {
    Page page;
    page.Demarre();
    const Json menu = page.Action("click", "FeuilleOrmane", "BoutonAide");
    ASSERT_EQ(Effets(menu, "popup").size(), 1U);
    EXPECT_EQ(Effets(menu, "popup")[0].at("menu"), "MenuAide");
    const Json aide = page.Action("click", "FeuilleOrmane", "MenuAide1(2)");
    ASSERT_EQ(Effets(aide, "help").size(), 1U);
    EXPECT_EQ(Effets(aide, "help")[0].at("topic"), 12);

    const Json copie = page.Action("click", "FeuilleOrmane", "boutonOK");
    ASSERT_EQ(Effets(copie, "clipboard").size(), 1U);
    EXPECT_EQ(Effets(copie, "clipboard")[0].at("text"), " prep = 0.772");
    ASSERT_EQ(Effets(copie, "message").size(), 1U);
}

// A save takes the format the page asked the person for and comes back as a download; with
// none, nothing is written and the page is told what to ask.
TEST(PageSession, ASaveIsADownloadInTheFormatChosen) {
    Page page;
    page.Demarre();
    const Json json =
        page.Action("click", "FeuilleOrmane", "MenuEnregistrerResultats", {{"saveAs", "json"}});
    const auto telecharge = Effets(json, "download");
    ASSERT_EQ(telecharge.size(), 1U);
    EXPECT_EQ(telecharge[0].at("name"), "ormane-results.json");
    const Json contenu = Json::parse(telecharge[0].at("content").get<std::string>());
    EXPECT_DOUBLE_EQ(contenu.at("prep").get<double>(), 0.7716258304972065);
    const Json annule =
        page.Action("click", "FeuilleOrmane", "MenuEnregistrerResultats", {{"saveAs", nullptr}});
    EXPECT_TRUE(Effets(annule, "download").empty());
    ASSERT_EQ(Effets(annule, "save").size(), 1U);
    EXPECT_EQ(Effets(annule, "save")[0].at("formats").size(), 2U);
}

TEST(PageSession, ARequestThePageShouldNeverMakeIsAnError) {
    Dossier dossier;
    PageSession session(dossier.chemin.string());
    session.Traite({{"do", "start"}});
    EXPECT_TRUE(session.Traite({{"do", "type"}, {"form", "FeuilleOrmane"}, {"control", "Nope"}})
                    .contains("error"));
    EXPECT_TRUE(session.Traite({{"do", "dance"}, {"form", "FeuilleOrmane"}, {"control", "Textedf"}})
                    .contains("error"));
}

}  // namespace
}  // namespace ormane::web
