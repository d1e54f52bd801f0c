// Doubles written and read exactly, as std::to_chars and std::from_chars do: through the
// standard library where it has them for doubles (libstdc++), else through the C library's
// printf and strtod (the WebAssembly build's libc++ 13 lacks them), byte for byte the same.
// The C library's way is always built, so that the tests set it against the standard
// library's on the native build.
#pragma once

#include <charconv>

namespace ormane {

// The shortest text that reads back as `valeur` (std::to_chars(first, last, value)).
std::to_chars_result EcritDouble(char* debut, char* fin, double valeur);
// With `precision` digits after the point, fixed or scientific.
std::to_chars_result EcritDouble(char* debut, char* fin, double valeur, std::chars_format format,
                                 int precision);
// std::from_chars for a double: general (decimal) or hex (without "0x").
std::from_chars_result LitDouble(const char* debut, const char* fin, double& valeur,
                                 std::chars_format format = std::chars_format::general);

namespace bibliotheque_c {

std::to_chars_result EcritDouble(char* debut, char* fin, double valeur);
std::to_chars_result EcritDouble(char* debut, char* fin, double valeur, std::chars_format format,
                                 int precision);
std::from_chars_result LitDouble(const char* debut, const char* fin, double& valeur,
                                 std::chars_format format = std::chars_format::general);

}  // namespace bibliotheque_c

}  // namespace ormane
