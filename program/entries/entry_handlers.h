// The handlers of the main window's entry controls: when an entry asks for a
// recomputation, which option shows or hides which part of the window, what the decimals
// bar re-renders, and which boxes select their text on focus. A handler that changes an
// entry marks the window's TexteModifie; the handlers of the boxes that the computation
// itself fills do nothing while CalculEnCours is set.
#pragma once

#include <cstdint>

#include "program/context.h"

namespace ormane {

// The refresh, then the picture drawn again when the refresh ran.
void Rafraichit(const Contexte& c, std::int16_t& CCalcule);
// The recompute request: the refresh with a copy of CaseAutomatique's value (0 computes
// nothing but clearing the interval labels).
void Recalcule(const Contexte& c);

// The statistic boxes (statistic_boxes.cpp).
void Optiont_Click(const Contexte& c, std::int16_t Index);
void Textet_Change(const Contexte& c, std::int16_t Index);
void Textet_KeyUp(const Contexte& c, std::int16_t Index);

// The other entries that recompute (recomputing_entries.cpp).
void Textedf_KeyUp(const Contexte& c);
void Textedf_Change(const Contexte& c);
void Textec_Change(const Contexte& c);
void TextedfR_Change(const Contexte& c);
void TexteEffet_Change(const Contexte& c, std::int16_t Index);
void TexteGarantie_Change(const Contexte& c, std::int16_t Index);
void TexteGarantie_Click(const Contexte& c, std::int16_t Index);
void Textealpha_Change(const Contexte& c);
void Textealpha_Click(const Contexte& c);
void TexteGamma_Change(const Contexte& c);
void TexteGamma_Click(const Contexte& c);
void TexteGamma_KeyUp(const Contexte& c);
void OptionAlpha_Click(const Contexte& c, std::int16_t Index);

// Focus (focus_and_selection.cpp).
void Textet_GotFocus(const Contexte& c, std::int16_t Index);
void Textedf_GotFocus(const Contexte& c);
void Textec_GotFocus(const Contexte& c);
void TextedfR_GotFocus(const Contexte& c);
void TexteEffet_GotFocus(const Contexte& c, std::int16_t Index);
void TexteGarantie_GotFocus(const Contexte& c, std::int16_t Index);
void Textealpha_GotFocus(const Contexte& c);
void TexteGamma_GotFocus(const Contexte& c);

// The decimals bar (decimals_bar.cpp): re-renders, never recomputes.
void Ascenseur_Change(const Contexte& c);
void Ascenseur_Scroll(const Contexte& c);

// Options that show and hide parts of the window (shown_parts.cpp).
void CasePsrep_Click(const Contexte& c);
void CasePreprep_Click(const Contexte& c);
void OptionEffet_Click(const Contexte& c, std::int16_t Index);
void OptionIC_Click(const Contexte& c, std::int16_t Index);

// Replication or future experiment (replication_option.cpp).
void OptionReplique_Click(const Contexte& c, std::int16_t Index);

}  // namespace ormane
