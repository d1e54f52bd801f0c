// The interface language, one type for the whole program. Its values are the codes kept in
// the settings store under "L" (0 French, 1 English); the Language menu lists English first,
// so a menu item's index is 1 minus the code. Also what a control says in each language.
#pragma once

#include <cstdint>
#include <optional>

namespace ormane {

enum class Langue : std::int16_t { Francais = 0, Anglais = 1 };

inline bool EnFrancais(Langue langue) {
    return langue == Langue::Francais;
}

// The index of the Language menu item of a language (0 English, 1 French), and back.
inline std::int16_t IndexMenuLangue(Langue langue) {
    return static_cast<std::int16_t>(1 - static_cast<std::int16_t>(langue));
}
inline Langue LangueDuMenu(std::int16_t index) {
    return index == 1 ? Langue::Francais : Langue::Anglais;
}

inline constexpr std::optional<std::int16_t> kSeul = std::nullopt;  // not an array member

// A text of a control in each language: its caption, or what a screen reader and the status
// line call it.
struct TexteBilingue {
    const char* controle;               // the control's name in its form
    std::optional<std::int16_t> index;  // its index in its control array
    const char* francais;
    const char* anglais;
};

}  // namespace ormane
