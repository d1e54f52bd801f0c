// How an entry reads when its text is not the number it shows: the value it is read as, the
// mark and tooltip of its box, the status line's sentence that quotes it, and the degrees of
// freedom taken positive. The main window and both dialogs speak of their entries this way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "window/language.h"
#include "window/model/text_controls.h"

namespace ormane {

// Corrected entries are written back with up to 20 decimals, trailing zeros dropped.
inline constexpr std::int16_t kDecimalesCorrection = -20;

// The value the computation uses for a box whose text is not the number it shows: nullopt
// when the text is read as written (or blank). Degrees of freedom are taken positive.
std::optional<double> LuAutrement(const window::TextControl& boite, bool degresDeLiberte);

// Marks the box when it is read as `lu`, its tooltip saying how; clears both otherwise.
void MarqueLecture(window::TextControl& boite, std::optional<double> lu, Langue langue);

// The status line's sentence about a box read as `lu`: its name, its text quoted, the value.
std::string PhraseLuAutrement(const std::string& nom, const std::string& texte, double lu,
                              Langue langue);

// Degrees of freedom, taken positive. What is being typed is never rewritten: a negative
// value is written back positive only once the box has lost the focus, and a fractional one
// stays as typed (degrees of freedom corrected for unequal variances are fractional).
double LitDegresDeLiberte(window::TextBox& boite);

}  // namespace ormane
