// Text boxes (QLineEdit) and combo boxes (an editable QComboBox with the suggestion list).
// Edits go to the model as UserActions::type with the whole new text and the caret, key
// releases as keyUp, caret and selection moves as select, a pick from the list as pick.
// A box whose text is not read as the number it shows (Marked) is drawn on a light red
// ground, and its accessible description says how it was read. A box the focus is not in
// shows the beginning of its text (the program writes long numbers into boxes the person
// is not typing in), and one whose text does not fit gives it whole as its tooltip.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include "qt/binding/control_view.h"
#include "window/model/text_controls.h"

namespace ormane::qt {

// What the two kinds share: one QLineEdit holding the text and the selection.
class TextEntryView : public ControlView {
  public:
    TextEntryView(FormBinding& binding, window::TextControl& box);

  protected:
    // Connects the line edit's user signals and key releases.
    void wire(QLineEdit* edit, QWidget* keyTarget);
    void showText();
    void showSelection();
    void showMark();
    QString toolTip() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    window::TextControl& box_;
    QLineEdit* edit_ = nullptr;

  private:
    void forwardSelection();
};

class TextBoxView : public TextEntryView {
  public:
    TextBoxView(FormBinding& binding, window::TextBox& box);
    QWidget* widget() const override { return edit_; }

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;
};

class ComboBoxView : public TextEntryView {
  public:
    ComboBoxView(FormBinding& binding, window::ComboBox& box);
    QWidget* widget() const override { return combo_; }

    void appendItem(std::size_t position);

  protected:
    void showProperty(window::Property property) override;
    void showEverything() override;

  private:
    void showComboText();

    window::ComboBox& comboBox_;
    QComboBox* combo_;
};

}  // namespace ormane::qt
