#include "compute/interval_text.h"

#include "numeric/number_format.h"

namespace ormane {

std::string TexteIntervalle(double inf, double sup, std::int16_t nbDecimales,
                            std::string_view separateur) {
    std::string texte = "[";
    texte += FormateNombre(inf, nbDecimales);
    texte += separateur;
    texte += FormateNombre(sup, nbDecimales);
    texte += "]";
    return texte;
}

}  // namespace ormane
