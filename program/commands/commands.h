// The main window's commands that are not entries: help topics (and the help button's
// pop-up menu), the dialogs (About, K-prime, planning), the copy of the prep result and the
// routing of the quit commands.
#pragma once

#include <cstdint>

#include "program/context.h"

namespace ormane {

// Help topics by number: MenuAide1(i) opens i, MenuAide3 5, MenuAuteurs 3, each plus 10
// in English; MenuAide2 opens 22 in both languages (help_topics.cpp).
void MenuAide1_Click(const Contexte& c, std::int16_t Index);
void MenuAide2_Click(const Contexte& c);
void MenuAide3_Click(const Contexte& c);
void MenuAuteurs_Click(const Contexte& c);
// The Help submenu as a pop-up at the mouse pointer.
void BoutonAide_Click(const Contexte& c);

// The dialogs (dialog_commands.cpp). The About box, modal.
void MenuApropos_Click(const Contexte& c);
// The K-prime distribution dialog, modeless.
void MenuKprime_Click(const Contexte& c);
void BoutonKprime_Click(const Contexte& c);
// The planning dialog, modal; its "use" button types the found c and nu' into the
// future-experiment entries.
void MenuPlanifier_Click(const Contexte& c);

// The prep result to the clipboard, then a confirmation message (copy_prep.cpp).
void boutonOK_Click(const Contexte& c);
void MenuOK_Click(const Contexte& c);

// Save the settings and end the program (quit_commands.cpp).
void BoutonQuitter_Click(const Contexte& c);
void MenuQuitter_Click(const Contexte& c);

}  // namespace ormane
