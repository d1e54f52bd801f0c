// Text boxes and combo boxes: an editable Text with a selection, counted in characters.
// Change is raised only when the text really becomes different; a combo box also keeps a
// list of suggestions, appended in order and never removed, and raises Click when the user
// picks one (see UserActions).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/model/control.h"

namespace ormane::window {

class TextControl : public Control {
  public:
    const std::string& text() const { return text_; }
    // Raises Change when the text differs from the current one; the caret then keeps its
    // distance from the end of the text (a correction of the start of a text being typed
    // leaves the caret where the typing goes on) and nothing is selected. The same text
    // raises nothing and changes nothing, the selection included.
    void setText(std::string text);

    std::int32_t selStart() const { return selStart_; }
    // A position past the end means the end. Also sets SelLength to 0. Negative:
    // ErreurExecution.
    void setSelStart(std::int32_t start);
    std::int32_t selLength() const { return selLength_; }
    // Clamped to the characters after SelStart. Negative: ErreurExecution.
    void setSelLength(std::int32_t length);
    // Number of characters (code points) of Text.
    std::int32_t textLength() const;

    // Marked: the text is not read as the number it shows (a GUI draws the box so that the
    // person sees it, and the tooltip says how it was read). Raises nothing.
    bool marked() const { return marked_; }
    void setMarked(bool marked);

  protected:
    TextControl(Key key, Form& form, Kind kind, std::string name, std::optional<std::int16_t> index,
                Control* container);

  private:
    friend class UserActions;
    // A new text with the caret at `caret` (characters); raises Change when it differs.
    void replaceText(std::string text, std::int32_t caret);
    void setSelection(std::int32_t start, std::int32_t length);

    std::string text_;
    std::int32_t selStart_ = 0;
    std::int32_t selLength_ = 0;
    bool marked_ = false;
};

class TextBox : public TextControl {
  public:
    static constexpr Kind kKind = Kind::TextBox;
    TextBox(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
            Control* container);
};

class ComboBox : public TextControl {
  public:
    static constexpr Kind kKind = Kind::ComboBox;
    ComboBox(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
             Control* container);

    const std::vector<std::string>& items() const { return items_; }
    // Appends a suggestion at the end of the list; raises nothing.
    void addItem(std::string item);

  private:
    std::vector<std::string> items_;
};

}  // namespace ormane::window
