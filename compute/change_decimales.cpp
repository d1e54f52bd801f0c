#include "compute/change_decimales.h"

#include <string>

#include "base/failure_trap.h"
#include "compute/entry_names.h"
#include "compute/interval_text.h"
#include "compute/results_table.h"
#include "numeric/number_format.h"

namespace ormane {

std::string TexteResultat(const LigneResultat& ligne, const ValeurConservee& v,
                          std::int16_t nbDecimales, MomentIntervalle moment) {
    if (ligne.intervalle()) return TexteIntervalle(v.bas, v.haut, nbDecimales, moment);
    return ligne.prefixe + FormateNombre(v.bas, nbDecimales);
}

void ChangeDecimales(window::FeuilleOrmane& F, EtatModule& module) {
    const std::int16_t n = module.NbDecimales;
    Essaie([&] { F.label("EtiDecimales").setCaption(module.TexteDecimales + std::to_string(n)); });
    // A result that is not kept leaves its label as it is: only a computation clears.
    for (const LigneResultat& ligne : TableResultats()) {
        const auto& valeur = module.resultats[ligne.resultat];
        if (!valeur) continue;
        Essaie([&] {
            EtiquetteDe(F, ligne.nom)
                .setCaption(TexteResultat(ligne, *valeur, n, MomentIntervalle::Rendu));
        });
    }
}

}  // namespace ormane
