// The WebAssembly build only: the C library's long double exponentials, logarithms, powers
// and error functions in its own place, at the precision of long double (its are only as
// precise as its double ones). Linked before the C library, these definitions are the ones
// every caller reaches, Boost.Math's promoted computations included.
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include "boost_policy.h"
#include "long_double_functions.h"

extern "C" {

long double logl(long double x) {
    return ormane::longs::Log(x);
}
long double log1pl(long double x) {
    return ormane::longs::Log1p(x);
}
long double log2l(long double x) {
    return ormane::longs::Log(x) / ormane::longs::kLn2;
}
long double log10l(long double x) {
    return ormane::longs::Log(x) / ormane::longs::kLn10;
}
long double expl(long double x) {
    return ormane::longs::Exp(x);
}
long double expm1l(long double x) {
    return ormane::longs::Expm1(x);
}
long double powl(long double x, long double y) {
    return ormane::longs::Pow(x, y);
}
long double erfl(long double x) {
    return boost::math::erf(x, ormane::Politique());
}
long double erfcl(long double x) {
    return boost::math::erfc(x, ormane::Politique());
}
long double lgammal(long double x) {
    return boost::math::lgamma(x, ormane::Politique());
}
long double lgammal_r(long double x, int* signe) {
    return boost::math::lgamma(x, signe, ormane::Politique());
}
long double tgammal(long double x) {
    return boost::math::tgamma(x, ormane::Politique());
}

}  // extern "C"
