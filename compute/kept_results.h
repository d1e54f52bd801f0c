// The kept results: every value a computation produced, held for the life of the program
// so that a change of the number of decimals shows them again without recomputing. A
// value of exactly 0 means "no result" and is never shown.
#pragma once

namespace ormane {

// The seventeen kept results; 0 means "no result".
struct ResultatsConserves {
    double ValeurPrep = 0, ValeurPsrep = 0, ValeurPpreprep = 0;
    double EffetInf = 0, EffetSup = 0;
    double EffetRepliqueInf = 0, EffetRepliqueSup = 0;
    double tRepliqueInf = 0, tRepliqueSup = 0;
    double pRepliqueInf = 0, pRepliqueSup = 0;
    double LinfRepliqueInf = 0, LinfRepliqueSup = 0;
    double LsupRepliqueInf = 0, LsupRepliqueSup = 0;
    void zeroLimitesIntervalles();  // the ten interval limits (EffetInf..LsupRepliqueSup) -> 0
};

}  // namespace ormane
