#include "compute/clear_results.h"

#include "compute/entry_names.h"
#include "window/model/controls.h"

namespace ormane {

void EffaceResultats(window::FeuilleOrmane& F, EtatModule& M, Statistique choix, EtatCalcul etat,
                     bool videStatistiques) {
    M.resultats = ResultatsConserves{};
    M.dernierCalcul.reset();
    M.resultats.etat = etat;
    for (const TexteBilingue& nom : NomsResultats()) EtiquetteDe(F, nom).setCaption("");
    auto videAutresStatistiques = [&] {
        for (std::int16_t i = 1; i <= 4; ++i) {
            if (i != IndexDe(choix)) F.textBox("Textet", i).setText("");
        }
    };
    if (!videStatistiques) return;
    if (M.CalculEnCours != Faux) {
        videAutresStatistiques();
    } else {
        Occupation occupation(M.CalculEnCours);
        videAutresStatistiques();
    }
}

}  // namespace ormane
