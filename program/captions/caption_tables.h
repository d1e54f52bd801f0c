// The main window's language-dependent texts, written exactly as they are shown, with
// "&" before the access-key letter and every leading, trailing and doubled blank:
// captions per language, the stems and words kept in Tags, and the captions that are
// the same in both languages.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "window/language.h"

namespace ormane {

struct TexteFixe {
    const char* controle;
    std::optional<std::int16_t> index;
    const char* texte;
};

// Captions written by the language block.
std::span<const TexteBilingue> LegendesParLangue();
// Tags: the stems of the six composed sentences, and the two words naming the predicted
// experiment (on OptionReplique(0) and (1)).
std::span<const TexteBilingue> RadicauxEtMots();
// Captions rewritten on every language change, the same in both languages.
std::span<const TexteFixe> LegendesFixes();

}  // namespace ormane
