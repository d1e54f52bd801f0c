// Binds one form of the model to a top-level Qt window: one view per control (by kind),
// the menu bar, the window's title, its shown/hidden/unloaded state and the keyboard
// focus. The binding observes the form and writes every change into the widgets; the
// views forward what the person does as window::UserActions. When the form is unloaded the
// binding lets go of it (it never touches that form again) and closes the window.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "window/model/form.h"
#include "window/model/observer.h"

class QAction;
class QButtonGroup;
class QPushButton;
class QWidget;

namespace ormane::qt {

class ControlView;
class FormWindow;
class MenuBarView;

class FormBinding : public QObject, public window::FormObserver {
  public:
    // Builds the widgets from the form's current state and starts observing it. The
    // window is not shown: the window system shows it.
    explicit FormBinding(window::Form& form);
    ~FormBinding() override;
    FormBinding(const FormBinding&) = delete;
    FormBinding& operator=(const FormBinding&) = delete;

    // The form, while attached (not unloaded); never use it after.
    window::Form& form() const { return form_; }
    bool attached() const { return attached_; }
    FormWindow& window() const { return *window_; }

    // The view of a control that is not a menu item (nullptr for menu items).
    ControlView* view(const window::Control& control) const;
    // The widget a layout places for the control, or the action of a menu item.
    QWidget* widget(const window::Control& control) const;
    QAction* action(const window::Control& menuItem) const;
    // The button group of the option buttons directly in `container` (nullptr: the form).
    QButtonGroup* optionGroup(const window::Control* container);
    // What Enter presses in a dialog: the command button that has the focus, else the
    // form's only command button a person can press; nullptr when there is none or several.
    QPushButton* defaultButton() const;

    // Whether the binding is writing the model's state into the widgets right now.
    bool applyingModel() const { return applyingDepth_ > 0; }
    // After a forwarded action: shows everything of that view again (the action may
    // have been refused, or the widget may have changed itself).
    void resync(ControlView& view);

    // Called when the form is hidden or unloaded (the modal loop waits for it).
    void setDismissedCallback(std::function<void()> callback);
    // Called once, when the binding lets go of its form (the form was unloaded).
    void setReleasedCallback(std::function<void()> callback);
    // Stops observing the form now (its owner is about to destroy it).
    void detach();

    // FormObserver
    void controlChanged(window::Control& control, window::Property property) override;
    void itemAppended(window::ComboBox& box, std::size_t position) override;
    void focusChanged(window::Form& form, window::Control* focused) override;
    void formChanged(window::Form& form, window::FormChange change) override;

  private:
    class Applying;
    void build();
    void showCaption();
    // A modal form shows its default button as such.
    void showDefaultButton();
    // F1 opens the form's help topic, as on every desktop, unless a menu command of the
    // form has F1 for its own.
    void bindHelpKey();
    void release();

    window::Form& form_;
    bool attached_ = false;
    std::unique_ptr<FormWindow> window_;
    std::map<const window::Control*, std::unique_ptr<ControlView>> views_;
    std::unique_ptr<MenuBarView> menuBar_;
    std::map<const window::Control*, QButtonGroup*> optionGroups_;
    int applyingDepth_ = 0;
    std::function<void()> dismissed_;
    std::function<void()> released_;
};

}  // namespace ormane::qt
