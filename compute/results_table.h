// One row per result the main window shows, in the order of the JSON and CSV outputs: the
// label that shows it, how it reads there, its names for people (both languages) and for
// machines (the JSON key of `ormane compute --json`, the CSV columns of `ormane batch`), and
// where the window shows it under which caption. Clearing, rendering, reading the results
// back, the text report, JSON, CSV and the usage text all go through this table, so a new
// result is one row here, its computation, and its place in the window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

#include "window/language.h"

namespace ormane {

// The results, named for the code that computes and reads them; the rows below follow
// this order.
enum class Resultat : std::int16_t {
    Prep,
    Psrep,
    Ppreprep,
    tReplique,      // prediction interval of the future t
    pReplique,      // the same as one-tailed p values
    Effet,          // interval estimate of the effect size
    EffetReplique,  // prediction interval of the effect size
};

// A control of the main window: a single one, or a member of a control array.
struct NomControle {
    const char* nom = nullptr;  // nullptr: no control
    std::optional<std::int16_t> index = std::nullopt;
    explicit operator bool() const { return nom != nullptr; }
    friend bool operator==(const NomControle& a, const NomControle& b) {
        return std::string_view(a.nom ? a.nom : "") == std::string_view(b.nom ? b.nom : "") &&
               a.index == b.index;
    }
};

// A caption of the window as a report writes it: a label's, a check box's or a frame's,
// followed, for a choice with a guarantee level, by that level's box and its unit
// ("interVal estimates 95 %").
struct Intitule {
    NomControle controle;
    NomControle niveau{};  // the guarantee level's box, or none
    NomControle unite{};   // the label after it
    friend bool operator==(const Intitule&, const Intitule&) = default;
};

// Where the window shows a result, for the text report.
struct PlaceResultat {
    int rang;           // the window's order, top to bottom
    Intitule titre;     // the caption above it: results in a row under one caption are a block
    NomControle ligne;  // the line's own title ("t", "p"), or none
    // A choice whose caption stands above the block while it is ticked, results shown or not.
    Intitule choix{};
};

struct LigneResultat {
    Resultat resultat;
    TexteBilingue nom;        // the label showing it, and what the result is called
    const char* prefixe;      // before a single value (" prep = "); nullptr for an interval
    const char* cle;          // its JSON key
    const char* colonneBas;   // its CSV column (a single value), or the lower limit's
    const char* colonneHaut;  // the upper limit's CSV column; nullptr for a single value
    PlaceResultat place;
    bool intervalle() const { return prefixe == nullptr; }
};

inline constexpr std::optional<std::int16_t> kEtiquetteSeule = std::nullopt;  // no array

// The choices above the interval rows, with their guarantee levels.
inline constexpr Intitule kChoixEstimation{{"OptionIC", 0}, {"TexteGarantie", 0}, {"Eti2", 2}};
inline constexpr Intitule kChoixPrediction{{"OptionIC", 1}, {"TexteGarantie", 1}, {"Eti2", 5}};

// The ppreprep label reads " preprep = " in both languages.
// clang-format off
inline constexpr LigneResultat kTableResultats[] = {
    {Resultat::Prep, {"EtiPrep", kEtiquetteSeule, "prep", "prep"},
     " prep = ", "prep", "prep", nullptr,
     {1, {{"EtiRepliqued"}}, {}}},
    {Resultat::Psrep, {"EtiPrept", kEtiquetteSeule, "psrep", "psrep"},
     " psrep = ", "psrep", "psrep", nullptr,
     {2, {{"CasePsrep"}}, {}}},
    {Resultat::Ppreprep, {"EtiPreprep", kEtiquetteSeule, "ppreprep", "ppreprep"},
     " preprep = ", "ppreprep", "ppreprep", nullptr,
     {3, {{"CasePreprep"}}, {}}},
    {Resultat::tReplique, {"EtiICt", 1, "intervalle de prédiction de t", "t prediction interval"},
     nullptr, "t_prediction", "t_pred_lo", "t_pred_hi",
     {5, {{"CadreIntervalle", 0}}, {"Eti2", 0}, kChoixPrediction}},
    {Resultat::pReplique, {"EtiICt", 2, "intervalle de prédiction de p", "p prediction interval"},
     nullptr, "p_prediction", "p_pred_lo", "p_pred_hi",
     {6, {{"CadreIntervalle", 0}}, {"Eti2", 1}, kChoixPrediction}},
    {Resultat::Effet, {"EtiIC", 0, "intervalle d'estimation de l'effet",
                       "interval estimate of the effect size"},
     nullptr, "effect_estimate", "effect_est_lo", "effect_est_hi",
     {4, kChoixEstimation, {}}},
    {Resultat::EffetReplique, {"EtiIC", 1, "intervalle de prédiction de l'effet",
                               "prediction interval of the effect size"},
     nullptr, "effect_prediction", "effect_pred_lo", "effect_pred_hi",
     {7, {{"CadreIntervalle", 1}}, {}, kChoixPrediction}},
};
// clang-format on

inline constexpr std::size_t kNombreResultats = std::size(kTableResultats);

// A row's index is its Resultat: LigneDe and the kept results rely on it.
constexpr bool TableDansLOrdre() {
    for (std::size_t i = 0; i < kNombreResultats; ++i) {
        if (static_cast<std::size_t>(kTableResultats[i].resultat) != i) return false;
    }
    return true;
}
static_assert(TableDansLOrdre(), "the rows must follow the order of Resultat");
// A new result goes last, in Resultat and in the rows: then it is the last one here too.
static_assert(kNombreResultats == static_cast<std::size_t>(Resultat::EffetReplique) + 1,
              "one row for each Resultat");

std::span<const LigneResultat> TableResultats();
// The same rows in the window's order, top to bottom.
std::span<const LigneResultat* const> ResultatsDansLaFenetre();
const LigneResultat& LigneDe(Resultat resultat);

}  // namespace ormane
