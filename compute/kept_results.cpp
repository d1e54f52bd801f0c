#include "compute/kept_results.h"

namespace ormane {

void ResultatsConserves::zeroLimitesIntervalles() {
    EffetInf = EffetSup = 0;
    EffetRepliqueInf = EffetRepliqueSup = 0;
    tRepliqueInf = tRepliqueSup = 0;
    pRepliqueInf = pRepliqueSup = 0;
    LinfRepliqueInf = LinfRepliqueSup = 0;
    LsupRepliqueInf = LsupRepliqueSup = 0;
}

}  // namespace ormane
