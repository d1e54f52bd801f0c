#include "kprime.h"

namespace basfun_interne {

double RepartitionKprime(double, double, double, double, double, std::int32_t,
                         std::int32_t& statut) {
    statut = 99;  // not built yet
    return 0.0;
}

}  // namespace basfun_interne
