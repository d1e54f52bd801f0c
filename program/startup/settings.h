// The seven settings kept between runs, per user, in section "Options" under the
// executable's name: "L", "D" and "O" hold 16-bit integers as decimal text, "A", "G",
// "H" and "I" the texts of the alpha, gamma and two guarantee boxes, verbatim.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "window/platform/settings_store.h"

namespace ormane {

inline constexpr const char* kSectionReglages = "Options";

// The stored text of `cle`, or `defaut` when the key is absent.
std::string LitReglage(platform::SettingsStore& store, std::string_view cle,
                       std::string_view defaut);
void EcritReglage(platform::SettingsStore& store, std::string_view cle, std::string_view valeur);

// A stored 16-bit integer read back. We write plain decimal digits, so the text must be:
// optional blanks, an optional "+" or "-", one or more digits, optional blanks, with a
// value in -32768..32767 ("7", " 3", "+3", "-0", "007" are fine). Anything else ("",
// "3.0", "3x", "1e2", "40000") fails with ErreurExecution, and the caller keeps its value.
std::int16_t ConvertitEntierCourt(std::string_view texte);

// How the integers are written: a minus sign when negative, no blank, no leading zero.
std::string TexteEntierCourt(std::int16_t valeur);

}  // namespace ormane
