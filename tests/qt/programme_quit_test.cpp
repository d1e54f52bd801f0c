// How the program ends in widgets, and what it keeps in the settings file: Exit saves the
// seven settings, the window's close button saves none, a file prepared as a previous run
// (or a person) left it is read as the program reads it, and ending the program closes
// every window and stops the modal loop that was running. Once the program has ended Qt
// runs no event loop again in this process: no test here needs one afterwards.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include <sys/stat.h>

#include "qt/platform/help_window.h"
#include "support/programme_window.h"
#include "support/qt_test_main.h"
#include "support/tidiness.h"
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

    void exitSavesTheSevenSettingsAndEndsTheProgram() {
        start();
        QPointer<QWidget> window = w_->window();
        QTest::mouseClick(w_->widget<QPushButton>(w_->F().commandButton("BoutonQuitter")),
                          Qt::LeftButton);
        QVERIFY(w_->programme().session().ended());
        QVERIFY(window.isNull() || !window->isVisible());
        QCOMPARE(stored(), (QStringList{"1", "3", "3", "0.05", "0.90", "95", "95"}));
    }

    void theCloseButtonEndsTheProgramAndSavesNothing() {
        start();
        QVERIFY(w_->window()->close());
        QVERIFY(w_->programme().session().ended());
        QVERIFY(!QFile::exists(iniFile()));
    }

    void aPreparedFileIsReadAsTheProgramReadsIt() {
        // "L" not a number: French. "D" 12, outside the bar's 2 to 9: 3 decimals. "O" 1:
        // replaced by the default example's two-tailed p. "A" kept as typed.
        QDir().mkpath(QFileInfo(iniFile()).absolutePath());
        QFile file(iniFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Options]\nL=anglais\nD=12\nO=1\nA=abc\nH=90\n");
        file.close();
        start();
        window::FeuilleOrmane& F = w_->F();
        QCOMPARE(w_->widget<QPushButton>(F.commandButton("BoutonCalculer"))->text(),
                 QStringLiteral("&Calculer"));
        QVERIFY(w_->action(F.menuItem("MenuLangue", 1))->isChecked());
        QVERIFY(QRegularExpression(QStringLiteral("^ prep = 0[.,]\\d{3}$"))
                    .match(w_->widget<QLabel>(F.label("EtiPrep"))->text())
                    .hasMatch());
        QCOMPARE(w_->widget<QScrollBar>(F.scrollBar("Ascenseur"))->value(), 6);
        QVERIFY(w_->widget<QRadioButton>(F.optionButton("Optiont", 3))->isChecked());
        QCOMPARE(w_->widget<QComboBox>(F.comboBox("Textealpha"))->currentText(),
                 QStringLiteral("abc"));
        QStringList problems = qt::testing::clippedWidgets(*w_->window());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u';')));
        // Quit by the menu's access key (the menu's "&Quitter", which the button shares).
        QTest::keyClick(w_->window(), Qt::Key_Q, Qt::AltModifier);
        QVERIFY(w_->programme().session().ended());
        QCOMPARE(stored(), (QStringList{"0", "3", "3", "abc", "0.90", "90", "95"}));
    }

    // A FIFO would hold the start until someone wrote into it: it is no settings file.
    void aFifoWhereTheSettingsFileShouldBeIsNeitherReadNorWritten() {
        QDir().mkpath(QFileInfo(iniFile()).absolutePath());
        QVERIFY(::mkfifo(QFile::encodeName(iniFile()).constData(), 0600) == 0);
        start();
        QCOMPARE(w_->widget<QPushButton>(w_->F().commandButton("BoutonAide"))->text(),
                 QStringLiteral("&Help [F1]"));
        QTest::mouseClick(w_->widget<QPushButton>(w_->F().commandButton("BoutonQuitter")),
                          Qt::LeftButton);
        QVERIFY(w_->programme().session().ended());
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(iniFile()).constData(), &info) == 0);
        QVERIFY(S_ISFIFO(info.st_mode));
        QFile::remove(iniFile());
    }
};

ORMANE_QTEST_MAIN(ProgrammeQuitTest)
#include "programme_quit_test.moc"
