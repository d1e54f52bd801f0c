// What only the program itself keeps between its handlers: the copy command's message text,
// the line break of the About box's text, whether the K-prime dialog is loaded, and which
// entries still hold what start-up placed there for its example.
#pragma once

#include <array>
#include <string>

#include "base/boolean.h"

namespace ormane {

// The entries that start-up filled for its example and the person has not typed since.
struct EntreesDeLExemple {
    std::array<bool, 2> effet{};  // TexteEffet(0), TexteEffet(1)
    bool dfFutur = false;         // TextedfR: it follows Textedf while c is 1
};

struct EtatProgramme {
    std::string TexteCopie;               // " has been copied to clipboard" / French
    std::string RetourLigne;              // "\r\n", set by the About box's load
    Booleen FeuilleKprimeChargee = Faux;  // the K-prime dialog is loaded
    EntreesDeLExemple exemple;
};

}  // namespace ormane
