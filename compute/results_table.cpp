#include "compute/results_table.h"

#include <array>

namespace ormane {

namespace {

constexpr std::optional<std::int16_t> kSeul = std::nullopt;

// The ppreprep label reads " preprep = " in both languages.
// clang-format off
const std::array<LigneResultat, kNombreResultats> kTable = {{
    {Resultat::Prep, {"EtiPrep", kSeul, "prep", "prep"},
     " prep = ", "prep", "prep", nullptr},
    {Resultat::Psrep, {"EtiPrept", kSeul, "psrep", "psrep"},
     " psrep = ", "psrep", "psrep", nullptr},
    {Resultat::Ppreprep, {"EtiPreprep", kSeul, "ppreprep", "ppreprep"},
     " preprep = ", "ppreprep", "ppreprep", nullptr},
    {Resultat::tReplique, {"EtiICt", 1, "intervalle de prédiction de t", "t prediction interval"},
     nullptr, "t_prediction", "t_pred_lo", "t_pred_hi"},
    {Resultat::pReplique, {"EtiICt", 2, "intervalle de prédiction de p", "p prediction interval"},
     nullptr, "p_prediction", "p_pred_lo", "p_pred_hi"},
    {Resultat::Effet, {"EtiIC", 0, "intervalle d'estimation de l'effet",
                       "interval estimate of the effect size"},
     nullptr, "effect_estimate", "effect_est_lo", "effect_est_hi"},
    {Resultat::EffetReplique, {"EtiIC", 1, "intervalle de prédiction de l'effet",
                               "prediction interval of the effect size"},
     nullptr, "effect_prediction", "effect_pred_lo", "effect_pred_hi"},
}};
// clang-format on

}  // namespace

std::span<const LigneResultat> TableResultats() {
    return kTable;
}

const LigneResultat& LigneDe(Resultat resultat) {
    return kTable[static_cast<std::size_t>(resultat)];
}

}  // namespace ormane
