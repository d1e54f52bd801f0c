// The widget side of one control of a form. A view shows the control's state (writing it
// into its widgets with their signals blocked, so nothing echoes back to the model) and
// turns what the person does to its widgets into window::UserActions, through its
// FormBinding. It keeps no state of its own: after every forwarded action it shows the
// model again, since the widget may have changed itself (a check box toggles on a click)
// or the model may have refused the action.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "window/model/control.h"
#include "window/model/observer.h"

namespace ormane::qt {

class FormBinding;

// Qt tells assistive tools of every change, even to the same text: these set only what
// differs, since views show their model again after each key.
void setAccessibleName(QWidget& widget, const QString& name);
void setAccessibleDescription(QWidget& widget, const QString& description);
void setToolTip(QWidget& widget, const QString& tip);

class ControlView : public QObject {
  public:
    ControlView(FormBinding& binding, window::Control& control);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    window::Control& control() const { return control_; }
    // What a layout places (may be a small container around the control's widgets).
    virtual QWidget* widget() const = 0;
    // The widget that takes the keyboard focus for the control.
    virtual QWidget* focusTarget() const { return widget(); }

    // Writes one property of the model into the widgets.
    void show(window::Property property);
    // Writes everything.
    void showAll();

  protected:
    // The kind-specific properties. Visible and Enabled are handled here; so are the
    // accessible name and the tooltip, which then reach showProperty too.
    virtual void showProperty(window::Property property) = 0;
    virtual void showEverything() = 0;

    // The name assistive tools announce: the one the program gives, else a button's or a
    // box's caption in plain words ("interval estimates", not "interVal estimates").
    virtual void showAccessibleName();
    // The tooltip: the model's.
    virtual QString toolTip() const;
    void showToolTip();

    // Runs a user action on the model, then shows the model again.
    void forward(const std::function<bool()>& action);
    // Reports focus-in on `watched` as UserActions::focus (via eventFilter).
    void watchFocus(QWidget* watched);
    bool eventFilter(QObject* watched, QEvent* event) override;
    FormBinding& binding() const { return binding_; }

  private:
    FormBinding& binding_;
    window::Control& control_;
};

}  // namespace ormane::qt
