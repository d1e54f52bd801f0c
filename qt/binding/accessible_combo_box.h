// What assistive tools hear of an editable combo box: Qt names one on Linux after its text
// and leaves its name to a label beside it, which our level boxes do not have. A combo box
// given to announceByAccessibleName is announced by its accessible name (its text while
// it has none), its text as its value, as any entry box is.
#pragma once

class QComboBox;

namespace ormane::qt {

// Call before anything asks for the combo box's accessible interface.
void announceByAccessibleName(QComboBox& combo);

}  // namespace ormane::qt
