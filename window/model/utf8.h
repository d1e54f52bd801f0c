// Character counting in UTF-8 texts: SelStart and SelLength count characters (code
// points), not bytes. A character starts at the first byte and at every byte that is not
// a UTF-8 continuation byte, so malformed texts are counted and sliced safely too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ormane::window {

std::size_t characterCount(std::string_view text);

// The part of text that starts at character `first` and holds at most `count` characters
// (clamped to the text).
std::string characterSlice(std::string_view text, std::size_t first, std::size_t count);

}  // namespace ormane::window
