// Option buttons (QRadioButton), check boxes (QCheckBox, or a bare box beside a wrapping
// label for long captions) and command buttons (QPushButton). A click goes to the model
// as UserActions::click; which option of a group is selected is the model's business, so
// Qt's own exclusivity is off and the buttons show the model's values. A window's first
// focus that lands on an option of a group goes to the chosen option of that group.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "qt/binding/control_view.h"
#include "window/model/captioned_controls.h"

namespace ormane::qt {

class OptionButtonView : public ControlView {
  public:
    OptionButtonView(FormBinding& binding, window::OptionButton& option);
    QWidget* widget() const override { return button_; }

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    window::OptionButton& option_;
    QRadioButton* button_;
};

class CheckBoxView : public ControlView {
  public:
    CheckBoxView(FormBinding& binding, window::CheckBox& box);
    QWidget* widget() const override { return holder_ != nullptr ? holder_ : box_; }
    QWidget* focusTarget() const override { return box_; }

    // Shows the caption in a word-wrapping label beside a bare check box (a click on the
    // label is a click on the box). Call before the view is laid out.
    void useWrappingCaption();
    QLabel* captionLabel() const { return caption_; }

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showCaption();

    window::CheckBox& check_;
    QCheckBox* box_;
    QWidget* holder_ = nullptr;
    QLabel* caption_ = nullptr;
};

class CommandButtonView : public ControlView {
  public:
    CommandButtonView(FormBinding& binding, window::CommandButton& command);
    QWidget* widget() const override { return button_; }

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;

  private:
    window::CommandButton& command_;
    QPushButton* button_;
};

}  // namespace ormane::qt
