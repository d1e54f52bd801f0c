#include "compute/change_decimales.h"

#include <string>

#include "compute/interval_text.h"
#include "numeric/erreur_execution.h"
#include "numeric/number_format.h"

namespace ormane {

namespace {

// A step that fails is skipped and the rendering goes on with the next one.
template <class Etape>
void SansArret(Etape&& etape) {
    try {
        etape();
    } catch (const ErreurExecution&) {
    }
}

void RendValeur(window::FeuilleOrmane& feuille, const char* etiquette, const char* prefixe,
                double valeur, std::int16_t nbDecimales) {
    SansArret([&] {
        if (valeur != 0) {
            feuille.label(etiquette).setCaption(prefixe + FormateNombre(valeur, nbDecimales));
        }
    });
}

void RendIntervalle(window::FeuilleOrmane& feuille, const char* etiquette, std::int16_t index,
                    double inf, double sup, std::int16_t nbDecimales) {
    SansArret([&] {
        if (inf != 0 && sup != 0) {
            feuille.label(etiquette, index)
                .setCaption(TexteIntervalle(inf, sup, nbDecimales, kSeparateurRendu));
        }
    });
}

}  // namespace

void ChangeDecimales(window::FeuilleOrmane& feuille, EtatModule& module) {
    const std::int16_t n = module.NbDecimales;
    const ResultatsConserves& r = module.resultats;
    SansArret([&] {
        feuille.label("EtiDecimales").setCaption(module.TexteDecimales + std::to_string(n));
    });
    RendValeur(feuille, "EtiPrep", " prep = ", r.ValeurPrep, n);
    RendValeur(feuille, "EtiPrept", " psrep = ", r.ValeurPsrep, n);
    RendValeur(feuille, "EtiPreprep", " preprep = ", r.ValeurPpreprep, n);
    RendIntervalle(feuille, "EtiIC", 0, r.EffetInf, r.EffetSup, n);
    RendIntervalle(feuille, "EtiIC", 1, r.EffetRepliqueInf, r.EffetRepliqueSup, n);
    RendIntervalle(feuille, "EtiICt", 1, r.tRepliqueInf, r.tRepliqueSup, n);
    RendIntervalle(feuille, "EtiICt", 2, r.pRepliqueInf, r.pRepliqueSup, n);
    RendIntervalle(feuille, "EtiICL", 1, r.LinfRepliqueInf, r.LinfRepliqueSup, n);
    RendIntervalle(feuille, "EtiICL", 2, r.LsupRepliqueInf, r.LsupRepliqueSup, n);
}

}  // namespace ormane
