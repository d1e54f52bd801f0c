// What the computation and its display keep for the whole process: the interface language
// (the status line speaks it), the decimals of the results and their word, the entered
// statistic, the busy flag of a computation and the kept results. The program owns it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/boolean.h"
#include "compute/entered_statistic.h"
#include "compute/kept_results.h"
#include "compute/last_computation.h"
#include "window/language.h"

namespace ormane {

struct EtatModule {
    Langue LangueChoisie = Langue::Francais;
    std::int16_t NbDecimales = 0;
    Statistique ChoixStatistique = Statistique::Aucune;
    Booleen CalculEnCours = Faux;
    std::string TexteDecimales;  // "decimals " / "décimales ", set by InitialiseLangue
    ResultatsConserves resultats;
    std::optional<DernierCalcul> dernierCalcul;  // the picture's entries
    ImageVoulue image;
};

}  // namespace ormane
