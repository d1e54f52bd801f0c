// What a person does to a form, the only way a GUI, the command line or a test drives
// the model as a user would. Each action returns false and does nothing when no person
// could do it now: the program has ended, the form is not loaded and shown, another form
// is shown modally, or the control is hidden (itself or in a hidden container) or
// disabled. An action on a control that can hold the focus first gives it the focus, as
// a click or a keystroke would (GotFocus when it moves there). Handlers run nested inside
// the action; their exceptions propagate to the caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "window/model/controls.h"
#include "window/model/form.h"

namespace ormane::window {

enum class ScrollStep { LineUp, LineDown, PageUp, PageDown };

class UserActions {
  public:
    // The whole new text after an edit (typing, pasting, deleting). Change when it
    // differs; the caret then stands at the end of the new text.
    static bool type(TextControl& box, std::string newText);
    // A key released while the control has the focus: KeyUp.
    static bool keyUp(TextControl& box, std::int16_t keyCode, std::int16_t shift = 0);
    // Option button: selects it (Click only if it was not selected). Check box: toggles
    // 0 <-> 1 (Click). Command button, menu item, picture: Click. Other kinds: nothing,
    // returns false.
    static bool click(Control& control);
    // Picks item `position` of the combo box's list: the text becomes the item (Change
    // first if it differs), then Click. A position past the list: ProgrammingError.
    static bool pick(ComboBox& box, std::size_t position);
    // The control receives the keyboard focus (GotFocus for text and combo boxes when it
    // moves). Kinds that never hold the focus: returns false.
    static bool focus(Control& control);
    // Sets the selection (characters; clamped to the text). Raises nothing.
    static bool select(TextControl& box, std::int32_t start, std::int32_t length);
    // An arrow (LineUp/LineDown) or a click in the track (PageUp/PageDown): moves towards
    // that end by smallChange or largeChange, stopping at the end; Change when it moves.
    static bool scroll(ScrollBar& bar, ScrollStep step);
    // Any other move to a given position (keyboard Home/End...), clamped: Change.
    static bool scrollTo(ScrollBar& bar, std::int16_t value);
    // The thumb dragged to `value` (clamped): the value changes and Scroll is raised, at
    // each position the thumb passes while dragging.
    static bool dragThumb(ScrollBar& bar, std::int16_t value);
    // The thumb released: Change when the value differs from the value before the drag.
    static bool releaseThumb(ScrollBar& bar);
    // The window system's close control: unloads the form (its unload handler runs).
    static bool close(Form& form);

  private:
    static bool canAct(const Control& control);
    static void takeFocus(Control& control);
};

}  // namespace ormane::window
