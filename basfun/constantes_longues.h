// pi to the width of any long double: the WebAssembly build's standard library gives
// std::numbers' long double constants only the digits of a double.
#pragma once

namespace basfun_interne {

inline constexpr long double kPiLong = 3.141592653589793238462643383279502884197L;

}  // namespace basfun_interne
