#include "support/tidiness.h"

#include <algorithm>
#include <iterator>

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QTest>

namespace ormane::qt::testing {

namespace {

QString describe(const QWidget& widget) {
    QString name = widget.objectName();
    return name.isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : name;
}

}  // namespace

QStringList clippedWidgets(const QWidget& window) {
    QStringList problems;
    const auto children = window.findChildren<QWidget*>();
    for (const QWidget* widget : children) {
        if (!widget->isVisibleTo(&window) || widget->isWindow()) continue;
        static const char* const kShowingText[] = {"QLabel",    "QAbstractButton", "QGroupBox",
                                                   "QLineEdit", "QComboBox",       "QScrollBar"};
        bool checked = std::any_of(std::begin(kShowingText), std::end(kShowingText),
                                   [widget](const char* kind) { return widget->inherits(kind); });
        // A combo box sizes its own line edit.
        if (!checked || widget->parentWidget()->inherits("QComboBox")) continue;
        QSize size = widget->size();
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label != nullptr && label->wordWrap()) {
            // Blank lines at the end of a text show nothing: they may fall outside.
            static const QRegularExpression trailingBlank(QStringLiteral("\\s+$"));
            QLabel visible;
            visible.setFont(label->font());
            visible.setFrameShape(label->frameShape());
            visible.setMargin(label->margin());
            visible.setIndent(label->indent());
            visible.setWordWrap(true);
            visible.setText(label->text().remove(trailingBlank));
            int needed = visible.heightForWidth(size.width());
            if (size.height() < needed) {
                problems << QStringLiteral("%1: %2 high, its text needs %3")
                                .arg(describe(*widget))
                                .arg(size.height())
                                .arg(needed);
            }
        } else {
            QSize needed = widget->minimumSizeHint();
            if (size.width() < needed.width() || size.height() < needed.height()) {
                problems << QStringLiteral("%1: %2x%3, needs %4x%5")
                                .arg(describe(*widget))
                                .arg(size.width())
                                .arg(size.height())
                                .arg(needed.width())
                                .arg(needed.height());
            }
        }
        const QWidget* parent = widget->parentWidget();
        if (parent != nullptr && !parent->rect().contains(widget->geometry())) {
            problems
                << QStringLiteral("%1 sticks out of %2").arg(describe(*widget), describe(*parent));
        }
    }
    return problems;
}

void settle(QWidget& window) {
    QSize last = window.size();
    int steady = 0;
    for (int turn = 0; turn < 100 && steady < 3; ++turn) {
        QTest::qWait(10);
        steady = window.size() == last ? steady + 1 : 0;
        last = window.size();
    }
}

void saveScreenshot(QWidget& window, const QString& name) {
    QString folder = qEnvironmentVariable("ORMANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace ormane::qt::testing
