// Arbitrary bytes as an entry's text. LitValeur never raises and always gives a finite
// value; ConvertitNombre raises nothing but ErreurExecution; a number read from a text
// survives its display with 16 decimals.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/run_time_error.h"
#include "numeric/number_format.h"
#include "numeric/number_reading.h"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    const bool sansOperateur = texte.find_first_of("/*") == std::string::npos;

    const double valeur = ormane::LitValeur(texte);
    Exige(std::isfinite(valeur));

    try {
        const double nombre = ormane::ConvertitNombre(texte);
        Exige(std::isfinite(nombre));
        if (sansOperateur) Exige(nombre == valeur);

        // Written with at most 16 decimals and 15 significant digits (under "," no width
        // limit cuts the text), then read back.
        // Near the largest double, 15 digits may round beyond it: such a text cannot be read.
        const std::string affiche = ormane::FormateNombre(nombre, -16, ",");
        try {
            const double relu = ormane::ConvertitNombre(affiche);
            Exige(std::fabs(relu - nombre) <= std::fabs(nombre) * 2e-14 + 1e-16);
        } catch (const ormane::ErreurExecution&) {
            Exige(std::fabs(nombre) > 1.7976931348623e308);
        }
    } catch (const ormane::ErreurExecution&) {
        // A number too large for a Double: the entry reads as 0.
        if (sansOperateur) Exige(valeur == 0);
    }
    return 0;
}
