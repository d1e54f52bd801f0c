// Writing CSV as RFC 4180 reads it: a field is quoted (its quotes doubled) only when it
// holds a comma, a quote or a line break; a record ends with LF. Depends on nothing but the
// standard library, so that the batch's reader and its fuzz target can use it as it is.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace ormane {

// The field as it must appear in a CSV file: quoted (quotes doubled) when it holds a
// comma, a quote or a line break, as it is otherwise.
std::string csvField(std::string_view text);
// One record and its LF line end.
std::string csvRecord(std::span<const std::string> fields);
void writeCsvRecord(std::ostream& out, std::span<const std::string> fields);

}  // namespace ormane
