// How the program ends in widgets, and what it keeps in the settings file: Exit saves the
// seven settings, the window's close button saves none, and ending the program closes
// every window and stops the modal loop that was running (what a file holds is read as
// tests/program and settings_store_test.cpp say). Once the program has ended Qt
// runs no event loop again in this process: no test here needs one afterwards.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "qt/platform/help_window.h"
#include "support/programme_window.h"
#include "support/qt_test_main.h"
#include "window/model/user_actions.h"

using namespace ormane;
using qt::testing::ProgrammeWindow;

class ProgrammeQuitTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::unique_ptr<ProgrammeWindow> w_;

    QString iniFile() const { return folder_.path() + QStringLiteral("/ormane/ormane.ini"); }
    QStringList stored() const {
        QSettings settings(iniFile(), QSettings::IniFormat);
        QStringList values;
        for (const char* key : {"L", "D", "O", "A", "G", "H", "I"})
            values << settings.value(QStringLiteral("Options/") + QLatin1String(key)).toString();
        return values;
    }
    void start() {
        w_ = std::make_unique<ProgrammeWindow>(folder_.path());
        w_->programme().Demarre();
        QVERIFY(QTest::qWaitForWindowActive(w_->window()));
    }

  private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        QFile::remove(iniFile());
    }
    void cleanup() { w_.reset(); }

    // First: a modal loop must be able to run before the program ends.
    void endingTheProgramClosesEveryWindowAndStopsTheModalLoop() {
        start();
        w_->platform().help.openTopic(12);
        window::Form dialog(w_->programme().session(), "Dialogue");
        dialog.add<window::CommandButton>("Fin").setCaption("&Fin");
        QTimer::singleShot(0, [this] { w_->programme().session().endProgram(); });
        dialog.show(window::Modality::Modal);  // returns: the loop was stopped
        QVERIFY(w_->programme().session().ended());
        QVERIFY(!w_->programme().feuilleOrmane().exists() && dialog.unloaded());
        for (QWidget* top : QApplication::topLevelWidgets()) QVERIFY(!top->isVisible());
        QVERIFY(!window::UserActions::click(dialog.commandButton("Fin")));  // nothing more handled
        QVERIFY(!QFile::exists(iniFile()));
    }

    // By the Exit button's access key, which clicks it as the button comes up again.
    void exitSavesTheSevenSettingsAndEndsTheProgram() {
        start();
        QPointer<QWidget> window = w_->window();
        QTest::keyClick(w_->window(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(w_->programme().session().ended());
        QVERIFY(window.isNull() || !window->isVisible());
        QCOMPARE(stored(), (QStringList{"1", "3", "3", "0.05", "0.90", "95", "95"}));
    }

    void theCloseButtonEndsTheProgramAndSavesNothing() {
        start();
        QVERIFY(w_->window()->close());
        QVERIFY(w_->programme().session().ended());
        QVERIFY(!QFile::exists(iniFile()));
    }
};

ORMANE_QTEST_MAIN(ProgrammeQuitTest)
#include "programme_quit_test.moc"
