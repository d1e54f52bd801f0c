// The interface language. MenuLangue_Click (the menu item's index: 0 English, 1 French)
// moves the check mark, writes every caption through InitialiseLangue,
// records the new language and rewrites the status line in it; the load calls it with the
// stored language. Neither traps a failure: an index other than 0 and 1 fails at once and
// changes nothing.
#pragma once

#include <cstdint>
#include <string>

#include "program/context.h"

namespace ormane {

void MenuLangue_Click(const Contexte& c, std::int16_t Index);

// In that language: captions, Tags, the names screen readers announce, the
// decimals and copy texts, the help context numbers of the window and of the About box
// (loading the box, hidden, when it is not loaded), then the composed and copied captions
// and EtiDecimales.
void InitialiseLangue(const Contexte& c, Langue langue);

// The six sentences naming the predicted experiment: EtiRepliqued, CasePsrep and
// CasePreprep are their stem followed by `mot`; the three CadreIntervalle frames their
// stem, `mot` and one blank.
void ComposeLegendesReplique(window::FeuilleOrmane& F, const std::string& mot);

}  // namespace ormane
