// What the tests of the whole program in widgets share: the program started as the
// executable starts it, its main window's widgets and menu commands by control name, and a
// click on a check box's or radio button's indicator.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "support/programme_window.h"
#include "support/tidiness.h"

namespace ormane::qt::testing {

// Clicks a radio button's or check box's indicator (the rest of its width takes no click).
inline void tick(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

class WindowTest : public QObject {
  protected:
    std::unique_ptr<ProgrammeWindow> w_;

    // Starts the program (a warning of the program fails the test) and waits until its main
    // window is active and keeps its size.
    bool start(platform::SaveFileDialog* saveDialog = nullptr) {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        w_ = std::make_unique<ProgrammeWindow>(QString(), saveDialog);
        w_->programme().Demarre();
        if (!QTest::qWaitForWindowActive(w_->window())) return false;
        settle(*w_->window());
        return true;
    }
    window::FeuilleOrmane& F() { return w_->F(); }
    template <class W = QWidget>
    W* control(const char* name, std::int16_t index = -1) {
        return w_->widget<W>(index < 0 ? F().control(name) : F().control(name, index));
    }
    QLineEdit* box(const char* name, std::int16_t index = -1) {
        return control<QLineEdit>(name, index);
    }
    QString label(const char* name, std::int16_t index = -1) {
        return control<QLabel>(name, index)->text();
    }
    QAction* action(const char* name, std::int16_t index = -1) {
        return w_->action(index < 0 ? F().control(name) : F().control(name, index));
    }
    // Every text of `shown` is shown whole (support/tidiness.h); a picture of it is saved
    // as <name>-<scale>x for a person to look at.
    static void expectTidy(QWidget& shown, const QString& name) {
        settle(shown);
        const QStringList problems = clippedWidgets(shown);
        QVERIFY2(problems.isEmpty(), qPrintable(name + u':' + problems.join(u';')));
        saveScreenshot(shown, name + u'-' + qEnvironmentVariable("QT_SCALE_FACTOR", "1") + u'x');
    }
    // Replaces the text of a box as a person does: a click into it, Ctrl+A, then the keys.
    static void retype(QWidget* box, const QString& keys) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, keys);
    }
};

}  // namespace ormane::qt::testing
