#include "compute/entry_names.h"

#include <array>

namespace ormane {

namespace {

constexpr std::optional<std::int16_t> kSeul = std::nullopt;

const std::array kNomsEntrees = {
    NomBilingue{"Textedf", kSeul, "degrés de liberté", "degrees of freedom"},
    NomBilingue{"Textet", 1, "t", "t"},
    NomBilingue{"Textet", 2, "F", "F"},
    NomBilingue{"Textet", 3, "p bilatéral", "two-tailed p"},
    NomBilingue{"Textet", 4, "p unilatéral", "one-tailed p"},
    NomBilingue{"Textec", kSeul, "multiplicateur c des effectifs", "cell count multiplier c"},
    NomBilingue{"TextedfR", kSeul, "degrés de liberté de l'expérience future",
                "degrees of freedom of the future experiment"},
    NomBilingue{"TexteGarantie", 0, "garantie de l'intervalle d'estimation",
                "guarantee of the interval estimate"},
    NomBilingue{"TexteGarantie", 1, "garantie des intervalles de prédiction",
                "guarantee of the prediction intervals"},
    NomBilingue{"TexteEffet", 0, "effet standardisé observé", "observed standardized effect"},
    NomBilingue{"TexteEffet", 1, "effet brut observé", "observed raw effect"},
    NomBilingue{"Textealpha", kSeul, "alpha", "alpha"},
    NomBilingue{"TexteGamma", kSeul, "gamma", "gamma"},
};

// In the order of Resultat, then the two rows of limits that nothing computes.
const std::array kNomsResultats = {
    NomBilingue{"EtiPrep", kSeul, "prep", "prep"},
    NomBilingue{"EtiPrept", kSeul, "psrep", "psrep"},
    NomBilingue{"EtiPreprep", kSeul, "ppreprep", "ppreprep"},
    NomBilingue{"EtiIC", 0, "intervalle d'estimation de l'effet",
                "interval estimate of the effect size"},
    NomBilingue{"EtiIC", 1, "intervalle de prédiction de l'effet",
                "prediction interval of the effect size"},
    NomBilingue{"EtiICt", 1, "intervalle de prédiction de t", "t prediction interval"},
    NomBilingue{"EtiICt", 2, "intervalle de prédiction de p", "p prediction interval"},
    NomBilingue{"EtiICL", 1, "limites inférieures", "lower limits"},
    NomBilingue{"EtiICL", 2, "limites supérieures", "upper limits"},
};

}  // namespace

std::span<const NomBilingue> NomsEntrees() {
    return kNomsEntrees;
}

std::span<const NomBilingue> NomsResultats() {
    return kNomsResultats;
}

std::string NomResultat(Resultat resultat, bool francais) {
    const NomBilingue& nom = kNomsResultats[static_cast<std::size_t>(resultat)];
    return francais ? nom.francais : nom.anglais;
}

}  // namespace ormane
