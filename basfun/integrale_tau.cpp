#include "integrale_tau.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>

namespace basfun_interne {

namespace bm = boost::math;

double DensiteTau::operator()(double tau) const {
    const PolitiqueKprime pol;
    if (nu2Infini_ || nu1Infini_) {
        // nu U^2 / 2 (nu V^2 / 2, with V = 1 / S) ~ Gamma(nu / 2).
        const double nu = nu2Infini_ ? nu1_ : nu2_;
        const double u = nu / 2 * std::exp(nu2Infini_ ? 2 * tau : -2 * tau);
        if (!std::isfinite(u)) return 0.0;
        return 2 * u * bm::gamma_p_derivative(nu / 2, u, pol);
    }
    // W = nu1 S^2 / (nu1 S^2 + nu2) ~ Beta(nu1/2, nu2/2), dW/dtau = 2 W (1 - W).
    const double z = nu1_ / nu2_ * std::exp(2 * tau);
    if (!std::isfinite(z)) return 0.0;
    const double w = z / (1 + z), unMoinsW = 1 / (1 + z);
    // The beta density on whichever of W and 1 - W keeps its digits.
    const double densiteW = w <= 0.5 ? bm::ibeta_derivative(nu1_ / 2, nu2_ / 2, w, pol)
                                     : bm::ibeta_derivative(nu2_ / 2, nu1_ / 2, unMoinsW, pol);
    return 2 * w * unMoinsW * densiteW;
}

}  // namespace basfun_interne
