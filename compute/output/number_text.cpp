#include "compute/output/number_text.h"

#include <array>
#include <charconv>

#include "numeric/portable_chars.h"

namespace ormane {

std::string roundTripText(double value) {
    std::array<char, 64> buffer{};
    const auto result = EcritDouble(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace ormane
