// The bits of a double as a 64-bit word, the key of the library's small caches. Copied
// rather than cast: the WebAssembly build's standard library has no std::bit_cast.
#pragma once

#include <cstdint>
#include <cstring>

namespace basfun_interne {

inline std::uint64_t MotifBinaire(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

}  // namespace basfun_interne
