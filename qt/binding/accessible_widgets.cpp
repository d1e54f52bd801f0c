#include "qt/binding/accessible_widgets.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QScrollBar>
#include <cstdlib>

namespace ormane::qt {

namespace {

constexpr const char* kRole = "ormaneAccessibleRole";
constexpr const char* kByText = "ormaneAnnouncedByText";
constexpr const char* kTop = "ormaneTopValue";
constexpr const char* kBottom = "ormaneBottomValue";

class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return shown();
        return QAccessibleWidget::text(kind);
    }

    // The box a label names is read with the label's words.
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && label()->buddy() != nullptr) {
            if (QAccessibleInterface* named =
                    QAccessible::queryAccessibleInterface(label()->buddy()))
                found.append({named, QAccessible::Labelled});
        }
        return found;
    }

    // QAccessibleTextInterface: the shown text, read only, nothing selected.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    // The name the program gave (a result's shown text), else the words on show; a label
    // naming a box shows its access key underlined, not as "&".
    QString shown() const {
        if (!label()->accessibleName().isEmpty()) return label()->accessibleName();
        QString words = label()->text();
        if (label()->buddy() != nullptr) {
            for (qsizetype i = 0; i < words.size(); ++i) {
                if (words[i] == u'&') words.remove(i, 1);
            }
        }
        return words;
    }
};

class AccessibleModelBar : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleModelBar(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return QString::number(valueAt(bar()->value()));
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return valueAt(bar()->value()); }
    // As a person moving the thumb: the bar tells its view, which asks the model.
    void setCurrentValue(const QVariant& value) override {
        bar()->setSliderPosition(std::abs(value.toInt() - top()));
    }
    QVariant maximumValue() const override { return std::max(top(), bottom()); }
    QVariant minimumValue() const override { return std::min(top(), bottom()); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

  private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
    int top() const { return bar()->property(kTop).toInt(); }
    int bottom() const { return bar()->property(kBottom).toInt(); }
    int valueAt(int position) const { return top() + (bottom() >= top() ? position : -position); }
};

QAccessibleInterface* ourInterfaces(const QString& className, QObject* object) {
    if (!object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QWidget") && object->property(kRole).isValid()) {
        return new QAccessibleWidget(
            widget, static_cast<QAccessible::Role>(object->property(kRole).toInt()));
    }
    if (className == QLatin1String("QLabel") && object->property(kByText).toBool()) {
        return new AccessibleLabel(static_cast<QLabel*>(widget));
    }
    if (className == QLatin1String("QScrollBar") && object->property(kTop).isValid()) {
        return new AccessibleModelBar(static_cast<QScrollBar*>(widget));
    }
    return nullptr;
}

void installOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(ourInterfaces);
        return true;
    }();
    (void)installed;
}

}  // namespace

void announceAs(QWidget& window, QAccessible::Role role) {
    installOnce();
    window.setProperty(kRole, static_cast<int>(role));
}

void announceByText(QLabel& label) {
    installOnce();
    label.setProperty(kByText, true);
}

void announceModelValue(QScrollBar& bar, int top, int bottom) {
    installOnce();
    bar.setProperty(kTop, top);
    bar.setProperty(kBottom, bottom);
}

}  // namespace ormane::qt
