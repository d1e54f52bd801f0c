// The kept results: every value a computation produced, held for the life of the program
// so that a change of the number of decimals shows them again without recomputing; beside
// them, why the last computation left a result out, and why it computed nothing at all.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "compute/results_table.h"

namespace ormane {

// Why a result is missing after a computation.
enum class Raison : std::int16_t {
    Aucune,               // computed (or the computation stopped before: see EtatCalcul)
    AlphaNul,             // psrep: alpha reads as 0
    GammaNul,             // ppreprep: gamma reads as 0
    GarantieHorsLimites,  // intervals: a guarantee level outside 50 to 100 percent
    GarantieTotale,       // intervals at 100 percent: every value is inside, no limit to show
    GarantieEffetMoitie,  // the effect's interval estimate asks for more than 50 percent
    EffetAbsent,          // effect intervals: no observed effect entered
    PSousLesDoubles,      // p interval: a limit lies below the smallest double
    TNul,                 // effect intervals: an effect size has no interval when t = 0
    EchecNumerique,       // the distribution could not be computed accurately for these entries
};

// What the last refresh did.
enum class EtatCalcul : std::int16_t {
    Calcule,              // computed: each result is there or has its Raison
    StatistiqueVide,      // the selected statistic's box is blank
    DdlVide,              // the degrees of freedom are blank, 0 or unreadable
    FutureIncomplete,     // a future experiment without c
    DdlFuturVide,         // a future experiment without its degrees of freedom
    TTropGrand,           // |t| too large to compute with (t squared overflows)
    TIndisponible,        // no t for this p and these degrees of freedom
    PNul,                 // a p of 0: t is infinite
    BibliothequeAbsente,  // libbasfun cannot be loaded
    AttenteCalcul,        // automatic computation is off and the entries changed
};

// A kept result: a single value (bas == haut) or an interval, lower limit first.
struct ValeurConservee {
    double bas = 0;
    double haut = 0;
    friend bool operator==(const ValeurConservee&, const ValeurConservee&) = default;
};

// The results in the order of Resultat (see compute/results_table.h); none is kept where
// there is no result.
struct ResultatsConserves {
    std::array<std::optional<ValeurConservee>, kNombreResultats> valeurs{};
    EtatCalcul etat = EtatCalcul::Calcule;
    std::array<Raison, kNombreResultats> raisons{};
    // The p entered lay above its range and was read as its largest value (0.5 one-tailed,
    // 1 two-tailed): the index of its statistic box, 3 or 4.
    std::optional<std::int16_t> pPlafonne;

    const std::optional<ValeurConservee>& operator[](Resultat r) const {
        return valeurs[static_cast<std::size_t>(r)];
    }
    // A single value, or nullopt.
    std::optional<double> valeur(Resultat r) const {
        const auto& v = (*this)[r];
        return v ? std::optional(v->bas) : std::nullopt;
    }
    void garde(Resultat r, double valeur) {
        valeurs[static_cast<std::size_t>(r)] = {valeur, valeur};
    }
    // Lower limit first whatever the order of the two.
    void garde(Resultat r, double a, double b) {
        valeurs[static_cast<std::size_t>(r)] = ValeurConservee{a < b ? a : b, a < b ? b : a};
    }
    void oublie(Resultat r) { valeurs[static_cast<std::size_t>(r)].reset(); }
    Raison& raison(Resultat r) { return raisons[static_cast<std::size_t>(r)]; }
    Raison raison(Resultat r) const { return raisons[static_cast<std::size_t>(r)]; }
};

}  // namespace ormane
