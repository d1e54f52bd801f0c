// The K-prime dialog's own words that are not captions, in both languages: its status
// messages, the names screen readers announce for its boxes and results, the text of its
// result labels and of one line of its list.
#pragma once

#include <string>

#include "kprime/kprime_computation.h"
#include "kprime/kprime_dialog.h"

namespace ormane {

// Results are shown with at most this many decimals (trailing zeros dropped; small
// probabilities in scientific notation).
inline constexpr std::int16_t kDecimalesKprime = -9;

// A value as the dialog shows it; "∞" for an infinite number of degrees of freedom.
std::string TexteValeurKprime(double valeur);

// Why the computation gave nothing, or a result is missing; empty: nothing to say.
std::string TexteEtatKprime(const ResultatsKprime& r, Langue langue);
std::string TexteAttenteKprime(FeuilleKprime::Attente attente, Langue langue);
std::string TexteListeCopiee(Langue langue);
std::string TexteListeVide(Langue langue);

// What a screen reader announces for a box or result label of the dialog ("df1",
// "P(K ≤ x)"): `nom` is the control's name, `index` its index (0 outside arrays).
std::string NomPourLecteurKprime(const std::string& nom, std::int16_t index, Langue langue);

// The line the Add button puts in the list for these entries and results.
std::string LigneKprime(const EntreesKprime& e, const ResultatsKprime& r, Langue langue);

}  // namespace ormane
