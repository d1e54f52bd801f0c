// Text between the model and Qt: the model holds UTF-8 and counts characters (code
// points), Qt holds UTF-16. Also how captions read on widgets that do not treat "&" as an
// access-key marker (labels), and the model's CR LF line breaks.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ormane::qt {

QString toQString(std::string_view utf8);
std::string toUtf8(const QString& text);

// The number of characters (code points) in the first `utf16Position` units of `text`.
int characterPosition(const QString& text, int utf16Position);
// The UTF-16 position of character `position` of `text` (clamped to the text).
int utf16Position(const QString& text, int position);

// A caption as a label shows it: "&x" shows "x", "&&" shows "&"; CR LF and lone CR become
// line feeds.
QString labelText(std::string_view caption);

}  // namespace ormane::qt
