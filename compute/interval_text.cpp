#include "compute/interval_text.h"

#include "numeric/number_format.h"

namespace ormane {

std::string TexteIntervalle(double inf, double sup, std::int16_t nbDecimales,
                            MomentIntervalle moment) {
    std::string texte = "[";
    texte += FormateNombre(inf, nbDecimales);
    texte += moment == MomentIntervalle::Calcul ? "," : " , ";
    texte += FormateNombre(sup, nbDecimales);
    texte += "]";
    return texte;
}

}  // namespace ormane
