#include "qt/binding/text_views.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include "qt/binding/accessible_combo_box.h"
#include "qt/binding/form_binding.h"
#include "qt/text/key_codes.h"
#include "qt/text/qt_text.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

using window::Property;
using window::UserActions;

namespace {

// The ground of a marked box; its text stays black on it in every theme.
const QColor kMarkedGround(255, 214, 214);

}  // namespace

TextEntryView::TextEntryView(FormBinding& binding, window::TextControl& box)
    : ControlView(binding, box), box_(box) {}

void TextEntryView::wire(QLineEdit* edit, QWidget* keyTarget) {
    edit_ = edit;
    QObject::connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        int caret = characterPosition(text, edit_->cursorPosition());
        // Typing over a selection what it held changes no text: only the caret moved, and
        // the model must hear of it or it would select the old text again.
        if (text == toQString(box_.text())) {
            forward([this, caret] { return UserActions::select(box_, caret, 0); });
            return;
        }
        forward([this, text, caret] { return UserActions::type(box_, toUtf8(text), caret); });
    });
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, this, [this] { forwardSelection(); });
    QObject::connect(edit, &QLineEdit::selectionChanged, this, [this] { forwardSelection(); });
    // A combo box is the focus widget and gets the keys; a test may also send them to
    // its line edit directly, which the combo box then never sees.
    keyTarget->installEventFilter(this);
    if (keyTarget != edit) edit->installEventFilter(this);
}

void TextEntryView::forwardSelection() {
    QString text = edit_->text();
    // The widget is in the middle of changing its text (a combo box showing the item
    // picked): the selection of a text the model does not hold yet means nothing.
    if (text != toQString(box_.text())) return;
    int start = 0;
    int length = 0;
    if (edit_->hasSelectedText()) {
        int first = edit_->selectionStart();
        start = characterPosition(text, first);
        length =
            characterPosition(text, first + static_cast<int>(edit_->selectedText().size())) - start;
    } else {
        start = characterPosition(text, edit_->cursorPosition());
    }
    if (start == box_.selStart() && length == box_.selLength()) return;
    forward([this, start, length] { return UserActions::select(box_, start, length); });
}

bool TextEntryView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::Resize) showToolTip();
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        // A held key repeats its press, not its release: one KeyUp when it comes up.
        if (!key->isAutoRepeat()) {
            std::int16_t code = keyCode(*key);
            std::int16_t shift = shiftState(key->modifiers());
            forward([this, code, shift] { return UserActions::keyUp(box_, code, shift); });
        }
        return false;
    }
    return ControlView::eventFilter(watched, event);
}

void TextEntryView::showText() {
    QString text = toQString(box_.text());
    QSignalBlocker block(edit_);
    if (edit_->text() == text) return;
    edit_->setText(text);
    showToolTip();
}

QString TextEntryView::toolTip() const {
    QString tip = ControlView::toolTip();  // the "read as" of a marked box comes first
    if (!tip.isEmpty() || edit_ == nullptr) return tip;
    QStyleOptionFrame frame;
    frame.initFrom(edit_);
    frame.rect = edit_->contentsRect();
    frame.lineWidth = edit_->hasFrame()
                          ? edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit_)
                          : 0;
    const QMargins margins = edit_->textMargins();
    // QLineEdit keeps two pixels free at each side of the text.
    const int room =
        edit_->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit_).width() -
        margins.left() - margins.right() - 4;
    const QString text = edit_->text();
    return edit_->fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

void TextEntryView::showSelection() {
    if (!edit_->hasFocus()) {
        // No caret shows there: the beginning does, and the model's selection comes back
        // with the focus (a focus-in shows the model again).
        if (edit_->hasSelectedText() || edit_->cursorPosition() != 0) {
            QSignalBlocker block(edit_);
            edit_->setCursorPosition(0);
        }
        return;
    }
    QString text = edit_->text();
    int start = utf16Position(text, box_.selStart());
    int end = utf16Position(text, box_.selStart() + box_.selLength());
    bool same = end > start ? edit_->hasSelectedText() && edit_->selectionStart() == start &&
                                  edit_->selectionEnd() == end
                            : !edit_->hasSelectedText() && edit_->cursorPosition() == start;
    // The widget may already show it, selected from the right: leave it as the person made it.
    if (same) return;
    QSignalBlocker block(edit_);
    if (end > start) {
        edit_->setSelection(start, end - start);
    } else {
        edit_->setCursorPosition(start);
    }
}

void TextEntryView::showMark() {
    QWidget* shown = widget();
    const bool marked = box_.marked();
    if (shown->property("marked").toBool() != marked) {
        shown->setProperty("marked", marked);
        if (marked) {
            QPalette palette = shown->palette();
            palette.setColor(QPalette::Base, kMarkedGround);
            palette.setColor(QPalette::Text, Qt::black);
            shown->setPalette(palette);
        } else {
            shown->setPalette(QPalette());  // back to the inherited one
        }
    }
    setAccessibleDescription(*focusTarget(), marked ? toQString(box_.toolTip()) : QString());
}

TextBoxView::TextBoxView(FormBinding& binding, window::TextBox& box) : TextEntryView(binding, box) {
    auto* edit = new QLineEdit;
    wire(edit, edit);
    watchFocus(edit);
}

void TextBoxView::showProperty(Property property) {
    if (property == Property::Text) {
        showText();
        showSelection();
    } else if (property == Property::SelStart || property == Property::SelLength) {
        showSelection();
    } else if (property == Property::Marked || property == Property::ToolTip) {
        showMark();
    }
}

void TextBoxView::showEverything() {
    showText();
    showSelection();
    showMark();
}

ComboBoxView::ComboBoxView(FormBinding& binding, window::ComboBox& box)
    : TextEntryView(binding, box), comboBox_(box), combo_(new QComboBox) {
    combo_->setEditable(true);
    announceByAccessibleName(*combo_);
    // The list only suggests: Enter adds nothing to it and typing completes nothing.
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
    combo_->setDuplicatesEnabled(true);
    wire(combo_->lineEdit(), combo_);
    QObject::connect(combo_, &QComboBox::activated, this, [this](int position) {
        if (position < 0) return;
        auto item = static_cast<std::size_t>(position);
        forward([this, item] { return UserActions::pick(comboBox_, item); });
    });
    watchFocus(combo_);
    for (std::size_t i = 0; i < box.items().size(); ++i) appendItem(i);
}

void ComboBoxView::appendItem(std::size_t position) {
    {
        QSignalBlocker blockCombo(combo_);
        QSignalBlocker blockEdit(combo_->lineEdit());
        combo_->insertItem(static_cast<int>(position), toQString(comboBox_.items()[position]));
    }
    // A combo box makes its first item current and shows it: show the model's text again.
    showComboText();
    showSelection();
}

void ComboBoxView::showComboText() {
    QSignalBlocker block(combo_);
    QSignalBlocker blockEdit(edit_);
    QString text = toQString(comboBox_.text());
    // The current item is the one showing, so that the arrow keys move from there.
    int current = combo_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (combo_->currentIndex() != current) combo_->setCurrentIndex(current);
    showText();
}

void ComboBoxView::showProperty(Property property) {
    if (property == Property::Text) {
        showComboText();
        showSelection();
    } else if (property == Property::SelStart || property == Property::SelLength) {
        showSelection();
    } else if (property == Property::Marked || property == Property::ToolTip) {
        showMark();
    }
}

void ComboBoxView::showEverything() {
    showComboText();
    showSelection();
    showMark();
}

}  // namespace ormane::qt
