#include "compute/results_table.h"

#include <algorithm>
#include <array>

namespace ormane {

std::span<const LigneResultat> TableResultats() {
    return kTableResultats;
}

std::span<const LigneResultat* const> ResultatsDansLaFenetre() {
    static const auto lignes = [] {
        std::array<const LigneResultat*, kNombreResultats> ordre{};
        for (std::size_t i = 0; i < kNombreResultats; ++i) ordre[i] = &kTableResultats[i];
        std::stable_sort(ordre.begin(), ordre.end(), [](const auto* a, const auto* b) {
            return a->place.rang < b->place.rang;
        });
        return ordre;
    }();
    return lignes;
}

const LigneResultat& LigneDe(Resultat resultat) {
    return kTableResultats[static_cast<std::size_t>(resultat)];
}

}  // namespace ormane
