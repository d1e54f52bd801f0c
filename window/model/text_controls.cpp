#include "window/model/text_controls.h"

#include <algorithm>

#include "base/run_time_error.h"
#include "window/model/form.h"
#include "window/model/utf8.h"

namespace ormane::window {

TextControl::TextControl(Key key, Form& form, Kind kind, std::string name,
                         std::optional<std::int16_t> index, Control* container)
    : Control(key, form, kind, std::move(name), index, container) {}

void TextControl::setText(std::string text) {
    guardChange();
    if (text == text_) return;
    const std::int32_t fromEnd = textLength() - (selStart_ + selLength_);
    const auto length =
        static_cast<std::int32_t>(std::min<std::size_t>(characterCount(text), INT32_MAX));
    replaceText(std::move(text), std::max(0, length - fromEnd));
}

void TextControl::setMarked(bool marked) {
    guardChange();
    if (marked == marked_) return;
    marked_ = marked;
    changed(Property::Marked);
}

void TextControl::replaceText(std::string text, std::int32_t caret) {
    guardChange();
    if (text == text_) return;
    text_ = std::move(text);
    changed(Property::Text);
    setSelection(caret, 0);
    raise(Notification::Change);
}

std::int32_t TextControl::textLength() const {
    return static_cast<std::int32_t>(std::min<std::size_t>(characterCount(text_), INT32_MAX));
}

void TextControl::setSelStart(std::int32_t start) {
    guardChange();
    if (start < 0) throw ErreurExecution(displayName() + ": negative SelStart");
    setSelection(start, 0);
}

void TextControl::setSelLength(std::int32_t length) {
    guardChange();
    if (length < 0) throw ErreurExecution(displayName() + ": negative SelLength");
    setSelection(selStart_, length);
}

void TextControl::setSelection(std::int32_t start, std::int32_t length) {
    std::int32_t size = textLength();
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    bool startChanged = start != selStart_;
    bool lengthChanged = length != selLength_;
    selStart_ = start;
    selLength_ = length;
    if (startChanged) changed(Property::SelStart);
    if (lengthChanged) changed(Property::SelLength);
}

TextBox::TextBox(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                 Control* container)
    : TextControl(key, form, kKind, std::move(name), index, container) {}

ComboBox::ComboBox(Key key, Form& form, std::string name, std::optional<std::int16_t> index,
                   Control* container)
    : TextControl(key, form, kKind, std::move(name), index, container) {}

void ComboBox::addItem(std::string item) {
    guardChange();
    items_.push_back(std::move(item));
    form().notifyItem(*this, items_.size() - 1);
}

}  // namespace ormane::window
