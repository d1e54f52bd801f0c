// Where the widgets of a bound form go in its window's client area. The main window has
// its own arrangement; a form whose controls carry a place in twips (the About box) is
// laid out from those places; any other form lists its controls top to bottom. Every
// layout puts the widgets of a frame's controls inside the frame's widget, so hiding a
// frame hides its content as the model says.
#pragma once

class QWidget;

namespace ormane::qt {

class FormBinding;

void arrangeForm(FormBinding& binding, QWidget& client);

void arrangeFeuilleOrmane(FormBinding& binding, QWidget& client);
void arrangeFeuilleKprime(FormBinding& binding, QWidget& client);
void arrangeByTwips(FormBinding& binding, QWidget& client);
void arrangePlainly(FormBinding& binding, QWidget& client);

}  // namespace ormane::qt
