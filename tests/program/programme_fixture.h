// The whole program on the headless platform, as the window behaviour's tests drive it:
// stored settings are placed before the start, a person acts through UserActions, and
// the platform doubles tell what was asked of the platform. Each computing refresh shows
// the hourglass once, so the hourglass count is the count of recomputations.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "csv_numbers.h"
#include "headless/headless_platform.h"
#include "program/program.h"
#include "window/model/controls.h"
#include "window/model/user_actions.h"

namespace ormane::testing {

using window::UserActions;

// One run of the program; a test may start several.
struct Lancement {
    // A setting as a previous run left it.
    void Stocke(const std::string& cle, const std::string& valeur) {
        platform.settings.write("ormane", "Options", cle, valeur);
    }
    std::optional<std::string> Stocke(const std::string& cle) const {
        return platform.settings.stored("ormane", "Options", cle);
    }

    void Demarre() { programme.Demarre(); }
    window::FeuilleOrmane& F() { return programme.feuilleOrmane().get(); }
    EtatModule& M() { return programme.module(); }

    int Sabliers() const {
        const auto& h = platform.mousePointer.history();
        return static_cast<int>(std::count(h.begin(), h.end(), platform::kHourglassPointer));
    }

    const std::string& Legende(const char* nom) {
        return F().get<window::CaptionedControl>(nom).caption();
    }
    const std::string& Legende(const char* nom, std::int16_t index) {
        return F().get<window::CaptionedControl>(nom, index).caption();
    }
    const std::string& Texte(const char* nom) { return F().textControl(nom).text(); }
    const std::string& Texte(const char* nom, std::int16_t index) {
        return F().textControl(nom, index).text();
    }

    // Everything a person sees of each control, to tell that a command changed nothing.
    std::map<std::string, std::string> Etat() {
        std::map<std::string, std::string> tout;
        for (window::Control* c : F().controls()) {
            std::string& v = tout[c->displayName()] = c->tag() + (c->visible() ? "|v|" : "|h|");
            if (auto* l = dynamic_cast<window::CaptionedControl*>(c)) v += l->caption();
            if (auto* t = dynamic_cast<window::TextControl*>(c)) v += t->text();
        }
        return tout;
    }

    // Type a new text and release the key, as a person does.
    void Tape(window::TextControl& boite, const std::string& texte) {
        ASSERT_TRUE(UserActions::type(boite, texte));
        ASSERT_TRUE(UserActions::keyUp(boite, 0));
    }

    platform::HeadlessPlatform platform;
    Programme programme{platform.services()};
};

class ProgrammeTest : public ::testing::Test, public Lancement {};

// " prep = " followed by a number with exactly `decimales` decimals.
inline ::testing::Matcher<std::string> ResultatPrep(int decimales) {
    return ::testing::MatchesRegex(" prep = 0\\.[0-9]{" + std::to_string(decimales) + "}");
}

// A row of a data/*.tsv table: a control (index -1 when it is no array member) and a text
// in each language.
struct TexteDesDeuxLangues {
    std::string controle;
    std::int16_t index;
    std::string francais, anglais;
};

inline std::vector<TexteDesDeuxLangues> LitTextes(const char* chemin) {
    std::vector<TexteDesDeuxLangues> lignes;
    for (const std::vector<std::string>& champs : LitChamps(chemin, '\t')) {
        EXPECT_EQ(champs.size(), 4u) << champs[0];
        if (champs.size() == 4)
            lignes.push_back(
                {champs[0], static_cast<std::int16_t>(std::stoi(champs[1])), champs[2], champs[3]});
    }
    EXPECT_FALSE(lignes.empty()) << chemin;
    return lignes;
}

}  // namespace ormane::testing
