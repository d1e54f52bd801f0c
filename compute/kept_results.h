// The kept results: every value a computation produced, held for the life of the program
// so that a change of the number of decimals shows them again without recomputing. A
// value of exactly 0 means "no result" and is never shown. Beside them, why the last
// computation left a result out, and why it computed nothing at all.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ormane {

// The results a computation shows, in the window's order.
enum class Resultat : std::int16_t {
    Prep,
    Psrep,
    Ppreprep,
    Effet,          // interval estimate of the effect size
    EffetReplique,  // prediction interval of the effect size
    tReplique,      // prediction interval of the future t
    pReplique,      // the same as one-tailed p values
};
inline constexpr std::size_t kNombreResultats = 7;

// Why a result is missing after a computation.
enum class Raison : std::int16_t {
    Aucune,               // computed (or the computation stopped before: see EtatCalcul)
    AlphaNul,             // psrep: alpha reads as 0
    GammaNul,             // ppreprep: gamma reads as 0
    GarantieHorsLimites,  // intervals: a guarantee level outside 50 to 100 percent
    EffetAbsent,          // effect intervals: no observed effect entered, or 50 or 100 percent
    TNul,                 // effect intervals: an effect size has no interval when t = 0
    EchecNumerique,       // the distribution could not be computed accurately for these entries
};

// What the last refresh did.
enum class EtatCalcul : std::int16_t {
    Calcule,              // computed: each result is there or has its Raison
    StatistiqueVide,      // the selected statistic's box is blank
    DdlVide,              // the degrees of freedom are blank, 0 or unreadable
    FutureIncomplete,     // a future experiment without c or its degrees of freedom
    TTropGrand,           // |t| too large to compute with (t squared overflows)
    TIndisponible,        // no t for this p and these degrees of freedom
    PNul,                 // a p of 0: t is infinite
    BibliothequeAbsente,  // libbasfun cannot be loaded
    AttenteCalcul,        // automatic computation is off and the entries changed
};

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

    EtatCalcul etat = EtatCalcul::Calcule;
    std::array<Raison, kNombreResultats> raisons{};
    Raison& raison(Resultat r) { return raisons[static_cast<std::size_t>(r)]; }
    Raison raison(Resultat r) const { return raisons[static_cast<std::size_t>(r)]; }
};

}  // namespace ormane
