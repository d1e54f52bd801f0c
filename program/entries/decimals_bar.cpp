// The decimals bar: every kept result is shown again with the new number of decimals,
// nothing is recomputed. The same while the thumb is dragged.
#include "compute/change_decimales.h"
#include "picture/picture_refresh.h"
#include "program/entries/entry_handlers.h"

namespace ormane {

void Ascenseur_Change(const Contexte& c) {
    c.module.NbDecimales = c.feuille.scrollBar("Ascenseur").value();
    ChangeDecimales(c.feuille, c.module);
    RedessineImage(c.feuille, c.module);
}

void Ascenseur_Scroll(const Contexte& c) {
    Ascenseur_Change(c);
}

}  // namespace ormane
