// What assistive tools hear of the windows, labels and the decimals bar where Qt's own
// interfaces say something else: a bound window is a window or a dialog (not a filler), a
// label gives its shown text as its name and through a text interface, and a scroll bar
// whose model runs the other way reports the model's value.
#pragma once

#include <QAccessible>

class QLabel;
class QScrollBar;
class QWidget;

namespace ormane::qt {

// Call before anything asks for the widget's accessible interface.
void announceAs(QWidget& window, QAccessible::Role role);
void announceByText(QLabel& label);
// The bar's position 0 stands for `top`, its maximum for `bottom` (either may be larger).
void announceModelValue(QScrollBar& bar, int top, int bottom);

}  // namespace ormane::qt
