#include "fonction_incomplete.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>

#include "politique_boost.h"

namespace basfun_interne {

namespace bm = boost::math;

FonctionIncomplete FonctionIncomplete::Beta(double x, double nu2) {
    FonctionIncomplete f;
    f.b_ = nu2 / 2;
    // y and 1 - y each from its own ratio, so neither loses digits and x^2 never overflows.
    const double ax = std::fabs(x), s = std::sqrt(nu2);
    if (ax <= s) {
        const double v = (ax / s) * (ax / s);
        f.y_ = v / (1 + v);
        f.unMoinsY_ = 1 / (1 + v);
    } else {
        const double u = (s / ax) * (s / ax);
        f.y_ = 1 / (1 + u);
        f.unMoinsY_ = u / (1 + u);
    }
    f.x2s2_ = (ax / std::sqrt(2.0)) * (ax / std::sqrt(2.0));
    return f;
}

FonctionIncomplete FonctionIncomplete::Gamma(double x) {
    FonctionIncomplete f;
    f.gamma_ = true;
    f.x2s2_ = (std::fabs(x) / std::sqrt(2.0)) * (std::fabs(x) / std::sqrt(2.0));
    return f;
}

double FonctionIncomplete::Valeur(double a, bool complement) const {
    if (b_ > kBGrand) return ValeurAvec(a, complement, PolitiquePrecise());
    return ValeurAvec(a, complement, PolitiqueKprime());
}

template <class Politique>
double FonctionIncomplete::ValeurAvec(double a, bool complement, const Politique& pol) const {
    if (gamma_) return complement ? bm::gamma_q(a, x2s2_, pol) : bm::gamma_p(a, x2s2_, pol);
    if (y_ <= 0.5) return complement ? bm::ibetac(a, b_, y_, pol) : bm::ibeta(a, b_, y_, pol);
    return complement ? bm::ibeta(b_, a, unMoinsY_, pol) : bm::ibetac(b_, a, unMoinsY_, pol);
}

double FonctionIncomplete::Ecart(double a) const {
    const PolitiqueKprime pol;
    if (gamma_) return bm::gamma_p_derivative(a + 1, x2s2_, pol);
    const double facteur = y_ * unMoinsY_ / a;
    if (y_ <= 0.5) return bm::ibeta_derivative(a, b_, y_, pol) * facteur;
    return bm::ibeta_derivative(b_, a, unMoinsY_, pol) * facteur;
}

}  // namespace basfun_interne
