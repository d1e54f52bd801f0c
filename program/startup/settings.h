// The settings kept between runs, per user, in section "Options" under the executable's
// name: one table gives each its key, its default and how a stored text is checked, and both
// the start-up and the quit go through it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "window/platform/settings_store.h"

namespace ormane {

inline constexpr const char* kSectionReglages = "Options";

// How a stored text is taken. Entier: a 16-bit integer as decimal text, which must convert
// (else the program keeps the value it had) and lie within [min, max] (else the default is
// taken: another language code left captions blank, decimals outside the bar's range blanked
// the results or widened the window past the screen, a statistic without its option button
// selected none). Texte: verbatim (the alpha, gamma and probability-level boxes). Drapeau:
// "1" is on, anything else off.
enum class Verification { Entier, Texte, Drapeau };

struct Reglage {
    const char* cle;
    const char* defaut;
    Verification verification;
    std::int16_t min = 0, max = 0;  // an Entier's range
};

enum class CleReglage {
    Langue,
    Decimales,
    Statistique,
    Alpha,
    Gamma,
    NiveauEstimation,
    NiveauPrediction,
    Image,
    EchelleImage,
};

// In the order of CleReglage.
inline constexpr Reglage kReglages[] = {
    {"L", "1", Verification::Entier, 0, 1},
    {"D", "3", Verification::Entier, 2, 9},
    {"O", "1", Verification::Entier, 1, 4},
    {"A", "0.05", Verification::Texte},
    {"G", "0.90", Verification::Texte},
    {"H", "95", Verification::Texte},
    {"I", "95", Verification::Texte},
    {"Image", "0", Verification::Drapeau},
    {"EchelleImage", "0", Verification::Drapeau},
};

inline constexpr const Reglage& ReglageDe(CleReglage cle) {
    return kReglages[static_cast<std::size_t>(cle)];
}

// The stored text of a setting, or its default when the key is absent.
std::string LitReglage(platform::SettingsStore& store, CleReglage cle);
// An Entier setting, checked as its row says; fails with ErreurExecution when the stored
// text does not convert.
std::int16_t LitReglageEntier(platform::SettingsStore& store, CleReglage cle);
// A Drapeau setting.
bool LitReglageDrapeau(platform::SettingsStore& store, CleReglage cle);

void EcritReglage(platform::SettingsStore& store, CleReglage cle, std::string_view valeur);
void EcritReglageEntier(platform::SettingsStore& store, CleReglage cle, std::int16_t valeur);
void EcritReglageDrapeau(platform::SettingsStore& store, CleReglage cle, bool valeur);

// A stored 16-bit integer read back. We write plain decimal digits, so the text must be:
// optional blanks, an optional "+" or "-", one or more digits, optional blanks, with a
// value in -32768..32767 ("7", " 3", "+3", "-0", "007" are fine). Anything else ("",
// "3.0", "3x", "1e2", "40000") fails with ErreurExecution, and the caller keeps its value.
std::int16_t ConvertitEntierCourt(std::string_view texte);

// How the integers are written: a minus sign when negative, no blank, no leading zero.
std::string TexteEntierCourt(std::int16_t valeur);

}  // namespace ormane
