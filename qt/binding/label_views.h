// Labels (QLabel, with the look the model gives: the result labels' light yellow
// background and bold text, a border, an alignment, symbol-font letters shown as Greek)
// and frames (QGroupBox holding the widgets of the controls inside them). Neither raises
// anything. A label is announced by what it shows; the name the program gives it (a
// result's "prep", the status line's "status") is its accessible description.
#pragma once

#include <QGroupBox>
#include <QLabel>

#include "qt/binding/control_view.h"
#include "window/model/captioned_controls.h"

namespace ormane::qt {

class LabelView : public ControlView {
  public:
    LabelView(FormBinding& binding, window::Label& label);
    QWidget* widget() const override { return label_; }
    QLabel* label() const { return label_; }

    // Shows the caption on one line of a fixed height that never asks for more width than
    // the layout gives: a longer text is cut with an ellipsis and shown whole as the
    // tooltip. Call before the view is laid out.
    void useOneElidedLine();
    // The label names `entry`: its "&" letter is shown underlined and Alt with that letter
    // moves the focus to the entry. Call before the view is laid out.
    void nameEntry(QWidget* entry);
    // The label is read inside `holder` (a scroll area), which takes the focus for it and is
    // announced by the label's program-given name.
    void readThrough(QWidget* holder);
    QWidget* focusTarget() const override { return holder_ != nullptr ? holder_ : label_; }

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;
    void showAccessibleName() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString fullText() const;
    void showCaption();
    void fitOneLine();

    window::Label& model_;
    QLabel* label_;
    QWidget* holder_ = nullptr;
    bool elided_ = false;
    bool namesEntry_ = false;
};

class FrameView : public ControlView {
  public:
    FrameView(FormBinding& binding, window::Frame& frame);
    QWidget* widget() const override { return box_; }
    QGroupBox* groupBox() const { return box_; }

    // Some frames only group their content: their caption is not shown.
    void hideCaption();

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;
    void showAccessibleName() override;

  private:
    window::Frame& frame_;
    QGroupBox* box_;
    bool captionShown_ = true;
};

}  // namespace ormane::qt
