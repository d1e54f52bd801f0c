#include "window/model/presentation.h"

#include <array>

namespace ormane::window {

Presentation resultLabelPresentation() {
    Presentation look;
    look.background = kResultBackground;
    look.bold = true;
    return look;
}

std::string symbolFontText(std::string_view latin) {
    // The symbol font's letters a..z and A..Z, in alphabetical order of the Latin letter.
    static constexpr std::array<std::string_view, 26> kLower = {
        "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
        "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
    static constexpr std::array<std::string_view, 26> kUpper = {
        "Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
        "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
    std::string greek;
    for (char c : latin) {
        if (c >= 'a' && c <= 'z') {
            greek += kLower[static_cast<std::size_t>(c - 'a')];
        } else if (c >= 'A' && c <= 'Z') {
            greek += kUpper[static_cast<std::size_t>(c - 'A')];
        } else {
            greek += c;
        }
    }
    return greek;
}

}  // namespace ormane::window
