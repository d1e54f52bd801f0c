#include "compute/entry_names.h"

#include <array>

#include "compute/results_table.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

const std::array kNomsEntrees = {
    TexteBilingue{"Textedf", kSeul, "degrés de liberté", "degrees of freedom"},
    TexteBilingue{"Textet", 1, "t", "t"},
    TexteBilingue{"Textet", 2, "F", "F"},
    TexteBilingue{"Textet", 3, "p bilatéral", "two-tailed p"},
    TexteBilingue{"Textet", 4, "p unilatéral", "one-tailed p"},
    TexteBilingue{"Textec", kSeul, "multiplicateur c des effectifs", "cell count multiplier c"},
    TexteBilingue{"TextedfR", kSeul, "degrés de liberté de l'expérience future",
                  "degrees of freedom of the future experiment"},
    TexteBilingue{"TexteGarantie", 0, "niveau de probabilité de l'intervalle d'estimation",
                  "probability level of the interval estimate"},
    TexteBilingue{"TexteGarantie", 1, "niveau de probabilité des intervalles de prédiction",
                  "probability level of the prediction intervals"},
    TexteBilingue{"TexteEffet", 0, "effet standardisé observé", "observed standardized effect"},
    TexteBilingue{"TexteEffet", 1, "effet brut observé", "observed raw effect"},
    TexteBilingue{"Textealpha", kSeul, "alpha", "alpha"},
    TexteBilingue{"TexteGamma", kSeul, "gamma", "gamma"},
};

// The result labels: the table's, then the two rows of limits that nothing computes.
std::array<TexteBilingue, kNombreResultats + 2> NomsEtiquettesResultats() {
    std::array<TexteBilingue, kNombreResultats + 2> noms{};
    for (std::size_t i = 0; i < kNombreResultats; ++i) noms[i] = TableResultats()[i].nom;
    noms[kNombreResultats] = {"EtiICL", 1, "limites inférieures", "lower limits"};
    noms[kNombreResultats + 1] = {"EtiICL", 2, "limites supérieures", "upper limits"};
    return noms;
}

}  // namespace

std::span<const TexteBilingue> NomsEntrees() {
    return kNomsEntrees;
}

std::span<const TexteBilingue> NomsResultats() {
    static const auto noms = NomsEtiquettesResultats();
    return noms;
}

window::TextControl& EntreeDe(window::FeuilleOrmane& F, const TexteBilingue& nom) {
    return nom.index ? F.textControl(nom.controle, *nom.index) : F.textControl(nom.controle);
}

window::Label& EtiquetteDe(window::FeuilleOrmane& F, const TexteBilingue& nom) {
    return nom.index ? F.label(nom.controle, *nom.index) : F.label(nom.controle);
}

std::string NomResultat(Resultat resultat, Langue langue) {
    const bool francais = EnFrancais(langue);
    const TexteBilingue& nom = LigneDe(resultat).nom;
    return francais ? nom.francais : nom.anglais;
}

}  // namespace ormane
