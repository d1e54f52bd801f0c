// The top-level window of a bound form: the menu bar (if the form has menus) above a
// client area that a layout fills. Its close button is the person's request
// UserActions::close; the window closes only when the model has unloaded the form (a
// refused close leaves it open), so Qt's own closing never decides anything. Shown
// modally it is a dialog: Esc is its close button, Enter presses its default button.
#pragma once

#include <QWidget>

class QMenuBar;
class QVBoxLayout;

namespace ormane::qt {

class FormBinding;

class FormWindow : public QWidget {
  public:
    explicit FormWindow(FormBinding& binding);

    QWidget& client() const { return *client_; }
    void setMenuBar(QMenuBar* bar);
    // Fixed-size windows (dialogs placed in twips) always take their layout's size.
    void setFixedLayoutSize();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    FormBinding& binding_;
    QVBoxLayout* frame_;
    QWidget* client_;
};

}  // namespace ormane::qt
