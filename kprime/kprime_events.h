// What the K-prime dialog does: every change of an entry, a check box or the choice of
// limit or probability recomputes when automatic computation is ticked (otherwise the
// results are cleared until Compute); Add, Copy and Clear work on the list; Close unloads
// the dialog; Help opens its topic. Entries are read as the main window reads them (a
// decimal comma, a ratio, blanks), a box whose text is not read as written is marked, and
// the status line says why results are missing.
#pragma once

#include <functional>
#include <memory>

#include "kprime/kprime_dialog.h"

namespace ormane {

// The help topic of the dialog: 4 in French, 14 in English.
inline constexpr std::int16_t kSujetAideKprime = 4;

// The dialog in its design state with its events attached. Its load runs `chargement`
// (the captions of the current language) and then the first computation. `langue` must
// outlive the dialog.
std::unique_ptr<FeuilleKprime> creeFeuilleKprime(window::Session& session, const Langue& langue,
                                                 std::function<void()> chargement);

// Reads the entries and, when `calcule`, computes and shows the results; otherwise clears
// them and says Compute is awaited. Then the marks and the status line.
void MiseAJourKprime(FeuilleKprime& dialogue, bool calcule);

// The texts of the dialog that are not captions, in its current language: the status
// line, the marks' tooltips, the names screen readers announce, the help context.
void AfficheTextesKprime(FeuilleKprime& dialogue);

}  // namespace ormane
