#include "rapport_gamma_demi.h"

#include <array>
#include <boost/math/special_functions/gamma.hpp>
#include <cstddef>
#include <cstdint>

#include "boost_policy.h"
#include "motif_binaire.h"

namespace basfun_interne {

double RapportGammaDemi(double a) {
    constexpr std::size_t kRetenus = 4;
    struct Retenu {
        std::uint64_t a = 0;
        double rapport = 0;
        bool present = false;
    };
    thread_local std::array<Retenu, kRetenus> retenus;
    thread_local std::size_t prochain = 0;
    const std::uint64_t cle = MotifBinaire(a);
    for (const Retenu& r : retenus)
        if (r.present && r.a == cle) return r.rapport;
    const double rapport = boost::math::tgamma_delta_ratio(a, 0.5, PolitiqueKprime());
    retenus[prochain] = {cle, rapport, true};
    prochain = (prochain + 1) % kRetenus;
    return rapport;
}

}  // namespace basfun_interne
