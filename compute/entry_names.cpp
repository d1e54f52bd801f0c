#include "compute/entry_names.h"

#include <array>

#include "compute/results_table.h"
#include "window/model/controls.h"

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
    NomBilingue{"TexteGarantie", 0, "niveau de probabilité de l'intervalle d'estimation",
                "probability level of the interval estimate"},
    NomBilingue{"TexteGarantie", 1, "niveau de probabilité des intervalles de prédiction",
                "probability level of the prediction intervals"},
    NomBilingue{"TexteEffet", 0, "effet standardisé observé", "observed standardized effect"},
    NomBilingue{"TexteEffet", 1, "effet brut observé", "observed raw effect"},
    NomBilingue{"Textealpha", kSeul, "alpha", "alpha"},
    NomBilingue{"TexteGamma", kSeul, "gamma", "gamma"},
};

// The result labels: the table's, then the two rows of limits that nothing computes.
std::array<NomBilingue, kNombreResultats + 2> NomsEtiquettesResultats() {
    std::array<NomBilingue, kNombreResultats + 2> noms{};
    for (std::size_t i = 0; i < kNombreResultats; ++i) noms[i] = TableResultats()[i].nom;
    noms[kNombreResultats] = {"EtiICL", 1, "limites inférieures", "lower limits"};
    noms[kNombreResultats + 1] = {"EtiICL", 2, "limites supérieures", "upper limits"};
    return noms;
}

}  // namespace

std::span<const NomBilingue> NomsEntrees() {
    return kNomsEntrees;
}

std::span<const NomBilingue> NomsResultats() {
    static const auto noms = NomsEtiquettesResultats();
    return noms;
}

window::TextControl& EntreeDe(window::FeuilleOrmane& F, const NomBilingue& nom) {
    return nom.index ? F.textControl(nom.controle, *nom.index) : F.textControl(nom.controle);
}

window::Label& EtiquetteDe(window::FeuilleOrmane& F, const NomBilingue& nom) {
    return nom.index ? F.label(nom.controle, *nom.index) : F.label(nom.controle);
}

std::string NomResultat(Resultat resultat, bool francais) {
    const NomBilingue& nom = LigneDe(resultat).nom;
    return francais ? nom.francais : nom.anglais;
}

}  // namespace ormane
