// Exponentials and logarithms in long double, worked out from long double arithmetic alone:
// a C library may give its long double functions only the precision of its double ones (the
// WebAssembly build's does, for a long double of 113 bits), which loses the digits that the
// Student quantile's far tails and Boost.Math's promoted computations keep in long double.
// The WebAssembly build puts them in the C library's place (wasm_long_double_libm.cpp).
#pragma once

namespace ormane::longs {

// Constants to the width of any long double (the WebAssembly build's standard library gives
// std::numbers' long double constants only the digits of a double).
inline constexpr long double kLn2 = 0.6931471805599453094172321214581765680755L;
inline constexpr long double kLn10 = 2.302585092994045684017991454684364207601L;
inline constexpr long double kRacine2 = 1.41421356237309504880168872420969807857L;
inline constexpr long double kPi = 3.141592653589793238462643383279502884197L;

long double Log(long double x);
long double Log1p(long double x);
long double Exp(long double x);
long double Expm1(long double x);
// x^y for the C library's powl, its special cases included.
long double Pow(long double x, long double y);

}  // namespace ormane::longs
