// What only the program itself keeps between its handlers: the copy command's message text,
// the line break of the About box's text, and whether the K-prime dialog is loaded.
#pragma once

#include <string>

#include "numeric/types.h"

namespace ormane {

struct EtatProgramme {
    std::string TexteCopie;               // " has been copied to clipboard" / French
    std::string RetourLigne;              // "\r\n", set by the About box's load
    Booleen FeuilleKprimeChargee = Faux;  // the K-prime dialog is loaded
};

}  // namespace ormane
