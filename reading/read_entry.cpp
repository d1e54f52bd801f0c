#include "reading/read_entry.h"

#include "numeric/number_reading.h"

namespace ormane {

// The model guarantees a text to every text and combo box, and the reading of the text
// turns every failure into 0 itself, so nothing can fail here.
double LitValeur(const window::TextControl& controle) {
    return LitValeur(std::string_view(controle.text()));
}

bool EstBlanc(std::string_view texte) {
    return texte.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace ormane
