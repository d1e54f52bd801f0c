// The whole calculator in real widgets, driven by key presses and mouse clicks: the first
// start, typing, automatic computation, the language switch, the decimals bar, copy, help,
// the pop-up help menu and the About box. The program never ends here (the end of the
// program is in programme_quit_test.cpp): after it, Qt runs no event loop again.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "qt/platform/help_window.h"
#include "support/programme_window.h"
#include "support/qt_test_main.h"
#include "support/tidiness.h"
#include "window/model/user_actions.h"

using namespace ormane;
using qt::testing::ProgrammeWindow;

class ProgrammeWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ProgrammeWindow> w_;

    window::FeuilleOrmane& F() { return w_->F(); }
    QLineEdit* entry(const char* name, std::int16_t index) {
        return w_->widget<QLineEdit>(F().textBox(name, index));
    }
    QLineEdit* entry(const char* name) { return w_->widget<QLineEdit>(F().textBox(name)); }
    QLabel* label(const char* name) { return w_->widget<QLabel>(F().label(name)); }
    QString prep() { return label("EtiPrep")->text(); }
    template <class W>
    W* control(const char* name, std::int16_t index) {
        return w_->widget<W>(F().control(name, index));
    }
    template <class W>
    W* control(const char* name) {
        return w_->widget<W>(F().control(name));
    }
    static QPoint onIndicator(QWidget* button) { return QPoint(6, button->height() / 2); }
    // Replaces the whole text of an entry as a person does: click in it, select it all
    // with the keyboard, type.
    void retype(QLineEdit* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }
    static QString scaleName() { return qEnvironmentVariable("QT_SCALE_FACTOR", "1") + u'x'; }
    void showEveryPart() {
        QTest::mouseClick(control<QRadioButton>("OptionReplique", 1), Qt::LeftButton, {},
                          onIndicator(control<QRadioButton>("OptionReplique", 1)));
        for (auto [name, index] : {std::pair{"OptionIC", 0}, {"OptionIC", 1}}) {
            auto* box = control<QCheckBox>(name, static_cast<std::int16_t>(index));
            QTest::mouseClick(box, Qt::LeftButton, {}, onIndicator(box));
        }
        for (const char* name : {"CasePsrep", "CasePreprep"}) {
            QTest::mouseClick(control<QCheckBox>(name), Qt::LeftButton, {},
                              onIndicator(control<QCheckBox>(name)));
        }
        qt::testing::settle(*w_->window());
    }
    void expectTidy(const QString& when) {
        qt::testing::settle(*w_->window());
        QStringList problems = qt::testing::clippedWidgets(*w_->window());
        if (!problems.isEmpty()) {
            QFAIL(qPrintable(when + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
        }
    }
    void switchToFrench() {
        QAction* francais = w_->action(F().menuItem("MenuLangue", 1));
        francais->trigger();  // what choosing it in the Language menu does
    }

  private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^ormane:")));
        w_ = std::make_unique<ProgrammeWindow>();
        w_->programme().Demarre();
        QVERIFY(w_->window() != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(w_->window()));
        qt::testing::settle(*w_->window());
    }
    void cleanup() { w_.reset(); }

    void theFirstStartShowsTheDefaultExampleComputed() {
        QCOMPARE(w_->window()->windowTitle(), QStringLiteral("Ormane version 2.1.0"));
        QCOMPARE(entry("Textedf")->text(), QStringLiteral("9"));
        QCOMPARE(entry("Textet", 3)->text(), QStringLiteral("0.30"));
        QCOMPARE(entry("Textet", 1)->text(), QStringLiteral("1.09971619"));
        QVERIFY(control<QRadioButton>("Optiont", 3)->isChecked());
        QVERIFY(!control<QRadioButton>("Optiont", 1)->isChecked());
        QVERIFY(
            QRegularExpression(QStringLiteral("^ prep = 0\\.\\d{3}$")).match(prep()).hasMatch());
        QCOMPARE(prep().toStdString(), F().label("EtiPrep").caption());
        QCOMPARE(label("EtiDecimales")->text(), QStringLiteral("decimals 3"));
        QCOMPARE(control<QScrollBar>("Ascenseur")->value(), 6);  // six steps below 9
        QCOMPARE(control<QPushButton>("BoutonCalculer")->text(), QStringLiteral("&Compute"));
        QCOMPARE(control<QPushButton>("BoutonAide")->text(), QStringLiteral("&Help [F1]"));
        QCOMPARE(control<QComboBox>("Textealpha")->currentText(), QStringLiteral("0.05"));
        QCOMPARE(control<QComboBox>("Textealpha")->count(), 5);
        QAction* english = w_->action(F().menuItem("MenuLangue", 0));
        QVERIFY(english->isCheckable() && english->isChecked());
        QVERIFY(!w_->action(F().menuItem("MenuLangue", 1))->isChecked());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);  // no hourglass left behind
        expectTidy(QStringLiteral("first start"));
        qt::testing::saveScreenshot(*w_->window(), QStringLiteral("programme-en-") + scaleName());
    }

    void typingATRecomputesAndSelectsItsOption() {
        QString before = prep();
        QLineEdit* t = entry("Textet", 1);
        QTest::mouseClick(t, Qt::LeftButton);
        QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
        int computed = w_->computations();
        // A key in a statistic box that is not the selected one: its click's computation,
        // then the key release's; the widgets add none.
        QTest::keyClicks(t, "2");
        QCOMPARE(w_->computations(), computed + 2);
        QCOMPARE(F().textBox("Textet", 1).text(), std::string("2"));
        QVERIFY(control<QRadioButton>("Optiont", 1)->isChecked());
        QVERIFY(!control<QRadioButton>("Optiont", 3)->isChecked());
        QVERIFY(prep() != before);
        QCOMPARE(entry("Textet", 3)->text().toStdString(), F().textBox("Textet", 3).text());
        QVERIFY(entry("Textet", 3)->text() != QStringLiteral("0.30"));
        // The next key in the box now selected: the key release's computation only.
        QTest::keyClicks(t, "5");
        QCOMPARE(w_->computations(), computed + 3);
        QCOMPARE(t->text(), QStringLiteral("25"));
        QVERIFY(t->hasFocus());
    }

    void aKeyThatChangesNothingInTheSelectedBoxComputesNothing() {
        QLineEdit* p = entry("Textet", 3);
        QTest::mouseClick(p, Qt::LeftButton);
        QTest::keyClick(p, Qt::Key_End);  // clears the change flag the load left
        int computed = w_->computations();
        QTest::keyClick(p, Qt::Key_Left);
        QTest::keyClick(p, Qt::Key_Right);
        QCOMPARE(w_->computations(), computed);
        QTest::keyClicks(p, "1");
        QCOMPARE(w_->computations(), computed + 1);
    }

    void withoutAutomaticComputationNothingIsComputedUntilCompute() {
        auto* automatic = control<QCheckBox>("CaseAutomatique");
        QTest::mouseClick(automatic, Qt::LeftButton, {}, onIndicator(automatic));
        QCOMPARE(F().checkBox("CaseAutomatique").value(), std::int16_t{0});
        QVERIFY(!automatic->isChecked());
        QString before = prep();
        int computed = w_->computations();
        retype(entry("Textet", 3), QStringLiteral("0.01"));
        QCOMPARE(w_->computations(), computed);
        QCOMPARE(prep(), before);
        QTest::mouseClick(control<QPushButton>("BoutonCalculer"), Qt::LeftButton);
        QCOMPARE(w_->computations(), computed + 1);
        QVERIFY(prep() != before);
    }

    void switchingToFrenchRewritesTheCaptionsAndMovesTheCheckMark() {
        switchToFrench();
        QCOMPARE(control<QPushButton>("BoutonCalculer")->text(), QStringLiteral("&Calculer"));
        QCOMPARE(control<QPushButton>("BoutonQuitter")->text(), QStringLiteral("&Quitter"));
        QCOMPARE(control<QRadioButton>("Optiont", 3)->text(), QStringLiteral("p bilatéral"));
        QCOMPARE(label("EtiDecimales")->text(), QStringLiteral("décimales 3"));
        QCOMPARE(control<QGroupBox>("CadreDonnees")->title(), QStringLiteral(" Données "));
        QCOMPARE(w_->action(F().menuItem("MenuLanguage"))->text(), QStringLiteral("&Langue"));
        QAction* francais = w_->action(F().menuItem("MenuLangue", 1));
        QVERIFY(francais->isCheckable() && francais->isChecked());
        QVERIFY(!w_->action(F().menuItem("MenuLangue", 0))->isCheckable());
        expectTidy(QStringLiteral("French"));
        qt::testing::saveScreenshot(*w_->window(), QStringLiteral("programme-fr-") + scaleName());
    }

    void everyPartShownStaysTidyInBothLanguages() {
        showEveryPart();
        QVERIFY(control<QLineEdit>("Textec")->isVisible());
        QVERIFY(control<QComboBox>("Textealpha")->isVisible());
        QVERIFY(w_->widget(F().frame("CadreIntervalle", 1))->isVisible());
        expectTidy(QStringLiteral("English, every part"));
        qt::testing::saveScreenshot(*w_->window(),
                                    QStringLiteral("programme-en-all-") + scaleName());
        switchToFrench();
        expectTidy(QStringLiteral("French, every part"));
        qt::testing::saveScreenshot(*w_->window(),
                                    QStringLiteral("programme-fr-all-") + scaleName());
    }

    void theDecimalsBarRendersTheResultsAgain() {
        auto* bar = control<QScrollBar>("Ascenseur");
        int computed = w_->computations();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(label("EtiDecimales")->text(), QStringLiteral("decimals 4"));
        QVERIFY(
            QRegularExpression(QStringLiteral("^ prep = 0\\.\\d{4}$")).match(prep()).hasMatch());
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(label("EtiDecimales")->text(), QStringLiteral("decimals 9"));
        QVERIFY(
            QRegularExpression(QStringLiteral("^ prep = 0\\.\\d{9}$")).match(prep()).hasMatch());
        QCOMPARE(w_->computations(), computed);  // rendered again, not computed
    }

    void copyPutsPrepOnTheClipboardAndSaysSo() {
        QString shown = prep();
        QString message, title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            message = box->text();
            title = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(control<QPushButton>("boutonOK"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), shown);
        QCOMPARE(message, shown + QStringLiteral(" has been copied to clipboard"));
        QCOMPARE(title, QStringLiteral("Ormane"));
    }

    void theCopyMenuItemIsTheAccessKeyP() {
        QGuiApplication::clipboard()->clear();
        QTimer::singleShot(0, [] {
            if (auto* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
        });
        // co&Py: the menu bar's command and the button share the key; the menu takes it.
        QTest::keyClick(w_->window(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), prep());
    }

    void f1OpensTopic12InEnglishAnd2InFrench() {
        QTest::keyClick(w_->window(), Qt::Key_F1);
        qt::HelpWindow* help = w_->platform().help.window();
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY(help->browser().source().toLocalFile().endsWith(QStringLiteral("/en/12.html")));
        w_->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_->window()));
        switchToFrench();
        QTest::keyClick(w_->window(), Qt::Key_F1);
        QVERIFY(help->browser().source().toLocalFile().endsWith(QStringLiteral("/fr/2.html")));
    }

    void theHelpButtonPopsUpTheHelpMenu() {
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            for (QAction* action : menu->actions()) items << action->text();
            QAction* bibliography = menu->actions().at(3);
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(bibliography).center());
        });
        QTest::mouseClick(control<QPushButton>("BoutonAide"), Qt::LeftButton);
        QCOMPARE(items.size(), 5);
        QCOMPARE(items.at(1), QStringLiteral("&Use"));
        qt::HelpWindow* help = w_->platform().help.window();
        QVERIFY(help != nullptr);
        QVERIFY(help->browser().source().toLocalFile().endsWith(QStringLiteral("/22.html")));
    }

    void theAboutBoxOpensModallyAndCloses() {
        bool modal = false, mainRefused = false;
        QString title, text;
        QStringList problems;
        QTimer::singleShot(0, [&] {
            window::Form* about = w_->programme().apropos().existing();
            QWidget* shown = about == nullptr ? nullptr : w_->platform().windows.windowOf(*about);
            if (shown != nullptr && QTest::qWaitForWindowExposed(shown)) {
                modal = shown->windowModality() == Qt::ApplicationModal;
                title = shown->windowTitle();
                text = shown->findChild<QLabel*>(QStringLiteral("Copyr"))->text();
                mainRefused = !window::UserActions::click(F().commandButton("BoutonCalculer"));
                problems = qt::testing::clippedWidgets(*shown);
                qt::testing::saveScreenshot(*shown, QStringLiteral("about-en-") + scaleName());
                QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("OK")),
                                  Qt::LeftButton);
            } else if (about != nullptr) {
                about->unload();
            }
        });
        w_->action(F().menuItem("MenuApropos"))->trigger();
        QVERIFY(modal);
        QVERIFY(mainRefused);
        QCOMPARE(title, QStringLiteral("Ormane"));
        QVERIFY(text.contains(QStringLiteral("Ormane version 2.1.0")));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u';')));
        QVERIFY(!w_->programme().apropos().exists());
        QVERIFY(w_->window()->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void theAboutBoxInFrench() {
        switchToFrench();
        QString text;
        QStringList problems;
        auto lookAndClose = [&] {
            window::Form* about = w_->programme().apropos().existing();
            QWidget* shown = about == nullptr ? nullptr : w_->platform().windows.windowOf(*about);
            if (shown != nullptr && QTest::qWaitForWindowExposed(shown)) {
                text = shown->findChild<QLabel*>(QStringLiteral("Copyr"))->text();
                problems = qt::testing::clippedWidgets(*shown);
                qt::testing::saveScreenshot(*shown, QStringLiteral("about-fr-") + scaleName());
                shown->close();  // its close button closes it too
            } else if (about != nullptr) {
                about->unload();
            }
        };
        // The switch loaded it before the language changed: the second opening is French.
        QTimer::singleShot(0, lookAndClose);
        w_->action(F().menuItem("MenuApropos"))->trigger();
        QTimer::singleShot(0, lookAndClose);
        w_->action(F().menuItem("MenuApropos"))->trigger();
        QVERIFY(text.contains(QStringLiteral("Ormane version 2.1.0")));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u';')));
        QVERIFY(!w_->programme().apropos().exists());
    }
};

ORMANE_QTEST_MAIN(ProgrammeWindowTest)
#include "programme_window_test.moc"
