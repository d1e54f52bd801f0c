// A caption in plain words, as a screen reader should say it and as copied text should read:
// the "&" access-key markers gone, and the capital that some captions give their access-key
// letter inside a word ("co&Py", "e&Xit", "inter&Val") or at the start of a word that is
// not the caption's first ("intervalles de &Prédiction") written in lower case again.
// Blanks are collapsed and trimmed.
#pragma once

#include <string>
#include <string_view>

namespace ormane::window {

std::string plainCaption(std::string_view caption);

}  // namespace ormane::window
