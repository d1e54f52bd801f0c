// Presentation hints: what a GUI needs to draw a control as designed (colours, font,
// border, alignment, place, image). They carry no behaviour and the model never reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ormane::window {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// Background of the labels that show results: light yellow.
inline constexpr Colour kResultBackground{255, 255, 192};

enum class Alignment { Left, Centre, Right };

// Place of a control inside its container (or of nothing: a form's client size), in twips
// (15 twips to a pixel).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Presentation {
    std::optional<Colour> background = std::nullopt;  // none: the toolkit's default
    bool bold = false;
    // The caption is written in the letters of a symbol font ("a" for alpha, "g" for
    // gamma); show it through symbolFontText().
    bool symbolFont = false;
    bool border = false;  // single-line border (labels)
    Alignment alignment = Alignment::Left;
    std::optional<Twips> geometry = std::nullopt;  // none: the GUI lays the control out itself
    std::string image;                             // pictures: name of the image resource to show
};

// The look of every result label: light yellow background and bold text.
Presentation resultLabelPresentation();

// The text a symbol font shows for these Latin letters, as UTF-8 Greek ("a" -> "α",
// "g" -> "γ"); characters other than ASCII letters are kept.
std::string symbolFontText(std::string_view latin);

}  // namespace ormane::window
