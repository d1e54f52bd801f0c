// How the program ends in widgets, and what it keeps in the settings file: Exit saves the
// seven settings, the window's close button saves none, and a file prepared as a previous
// run (or a person) left it is read as the program reads it. Each test ends the program;
// none needs Qt's event loop afterwards, which no longer runs once the program has ended.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "support/programme_window.h"
#include "support/qt_test_main.h"
#include "support/tidiness.h"

using namespace ormane;
using qt::testing::ProgrammeWindow;

namespace {

QString iniFile(const QString& folder) {
    return folder + QStringLiteral("/ormane/ormane.ini");
}

void prepare(const QString& folder, const QByteArray& content) {
    QDir().mkpath(folder + QStringLiteral("/ormane"));
    QFile file(iniFile(folder));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QString stored(const QString& folder, const char* key) {
    QSettings settings(iniFile(folder), QSettings::IniFormat);
    return settings.value(QStringLiteral("Options/") + QLatin1String(key)).toString();
}

}  // namespace

class ProgrammeQuitTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::unique_ptr<ProgrammeWindow> w_;

    void start() {
        w_ = std::make_unique<ProgrammeWindow>(folder_.path());
        w_->programme().Demarre();
        QVERIFY(QTest::qWaitForWindowActive(w_->window()));
    }

  private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        QVERIFY(folder_.isValid());
        QFile::remove(iniFile(folder_.path()));
    }
    void cleanup() { w_.reset(); }

    void exitSavesTheSevenSettingsAndEndsTheProgram() {
        start();
        QPointer<QWidget> window = w_->window();
        QTest::mouseClick(w_->widget<QPushButton>(w_->F().commandButton("BoutonQuitter")),
                          Qt::LeftButton);
        QVERIFY(w_->programme().session().ended());
        QVERIFY(window.isNull() || !window->isVisible());
        QCOMPARE(stored(folder_.path(), "L"), QStringLiteral("1"));
        QCOMPARE(stored(folder_.path(), "D"), QStringLiteral("3"));
        QCOMPARE(stored(folder_.path(), "O"), QStringLiteral("3"));
        QCOMPARE(stored(folder_.path(), "A"), QStringLiteral("0.05"));
        QCOMPARE(stored(folder_.path(), "G"), QStringLiteral("0.90"));
        QCOMPARE(stored(folder_.path(), "H"), QStringLiteral("95"));
        QCOMPARE(stored(folder_.path(), "I"), QStringLiteral("95"));
    }

    void theCloseButtonEndsTheProgramAndSavesNothing() {
        start();
        QVERIFY(w_->window()->close());
        QVERIFY(w_->programme().session().ended());
        QVERIFY(!QFile::exists(iniFile(folder_.path())));
    }

    void aPreparedFileIsReadAsTheProgramReadsIt() {
        // "L" not a number: French. "D" 12: results with 12 decimals, the bar at 3. "O" 1:
        // replaced by the default example's two-tailed p. "A" kept as typed.
        prepare(folder_.path(), "[Options]\nL=anglais\nD=12\nO=1\nA=abc\nH=90\n");
        start();
        window::FeuilleOrmane& F = w_->F();
        QCOMPARE(w_->widget<QPushButton>(F.commandButton("BoutonCalculer"))->text(),
                 QStringLiteral("&Calculer"));
        QVERIFY(w_->action(F.menuItem("MenuLangue", 1))->isChecked());
        QVERIFY(QRegularExpression(QStringLiteral("^ prep = 0[.,]\\d{12}$"))
                    .match(w_->widget<QLabel>(F.label("EtiPrep"))->text())
                    .hasMatch());
        QCOMPARE(w_->widget<QScrollBar>(F.scrollBar("Ascenseur"))->value(), 6);
        QVERIFY(w_->widget<QRadioButton>(F.optionButton("Optiont", 3))->isChecked());
        QCOMPARE(w_->widget<QComboBox>(F.comboBox("Textealpha"))->currentText(),
                 QStringLiteral("abc"));
        QStringList problems = qt::testing::clippedWidgets(*w_->window());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u';')));
        // Quit from the menu bar by its access key (the menu's "&Quitter", which the
        // button shares).
        QTest::keyClick(w_->window(), Qt::Key_Q, Qt::AltModifier);
        QVERIFY(w_->programme().session().ended());
        QCOMPARE(stored(folder_.path(), "L"), QStringLiteral("0"));
        QCOMPARE(stored(folder_.path(), "D"), QStringLiteral("12"));
        QCOMPARE(stored(folder_.path(), "O"), QStringLiteral("3"));
        QCOMPARE(stored(folder_.path(), "A"), QStringLiteral("abc"));
        QCOMPARE(stored(folder_.path(), "H"), QStringLiteral("90"));
    }
};

ORMANE_QTEST_MAIN(ProgrammeQuitTest)
#include "programme_quit_test.moc"
