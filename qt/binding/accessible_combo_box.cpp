#include "qt/binding/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace ormane::qt {

namespace {

constexpr const char* kAnnounced = "ormaneAnnouncedByName";

class AccessibleComboBox : public QAccessibleWidget {
  public:
    explicit AccessibleComboBox(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value) return shownText();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.editable = combo()->isEditable();
        shown.expandable = true;
        shown.expanded = combo()->view()->isVisible();
        shown.collapsed = !shown.expanded;
        return shown;
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            combo()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    QString shownText() const {
        return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
    }
};

QAccessibleInterface* announcedComboBoxes(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox") || !object->property(kAnnounced).toBool())
        return nullptr;
    return new AccessibleComboBox(static_cast<QComboBox*>(object));
}

}  // namespace

void announceByAccessibleName(QComboBox& combo) {
    static const bool installed = [] {
        QAccessible::installFactory(announcedComboBoxes);
        return true;
    }();
    (void)installed;
    combo.setProperty(kAnnounced, true);
}

}  // namespace ormane::qt
