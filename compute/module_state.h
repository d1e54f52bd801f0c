// The program module's globals: the language, the decimals, the entered statistic, the
// busy flag of the computation, a few language-dependent texts and the kept results.
// One instance lives for the whole process (owned by the program object).
#pragma once

#include <cstdint>
#include <string>

#include "compute/kept_results.h"
#include "numeric/types.h"

namespace ormane {

// The program module's globals, alive for the whole process (owned by window's Programme).
struct EtatModule {
    std::int16_t LangueChoisie = 0;  // 0 French, 1 English
    std::int16_t NbDecimales = 0;
    std::int16_t ChoixStatistique = 0;  // 1 t, 2 F, 3 two-tailed p, 4 one-tailed p
    Booleen CalculEnCours = Faux;
    std::string TexteDecimales;           // "decimals " / "décimales ", set by InitialiseLangue
    std::string TexteCopie;               // " has been copied to clipboard" / French
    std::string RetourLigne;              // "\r\n", set by the About box's load
    Booleen FeuilleKprimeChargee = Faux;  // never set: the K-prime dialog does not exist
    ResultatsConserves resultats;
};

}  // namespace ormane
