// The whole calculator in real widgets, driven by key presses and mouse clicks: the first
// start, typing, automatic computation, the language switch, the arrangement, the decimals
// bar, copy, help, the pop-up help menu and the About box. The program never ends here
// (see programme_quit_test.cpp): after it, Qt runs no event loop again.
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>
#include <functional>
#include <memory>

#include "qt/layout/twips_layout.h"
#include "qt/platform/help_window.h"
#include "support/qt_test_main.h"
#include "support/window_test.h"

using namespace ormane;
using qt::testing::tick;

namespace {

bool shows(const QString& text, const char* pattern) {
    return QRegularExpression(QString::fromLatin1(pattern)).match(text).hasMatch();
}

}  // namespace

class ProgrammeWindowTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    QString prep() { return control<QLabel>("EtiPrep")->text(); }
    using WindowTest::expectTidy;
    void expectTidy(const QString& when) {
        WindowTest::expectTidy(*w_->window(), "programme-" + when);
    }
    void switchToFrench() { action("MenuLangue", 1)->trigger(); }
    // Opens the About box from the menu; `look` runs while it is up and must close it.
    void withAboutBox(const std::function<void(QWidget&)>& look) {
        bool closed = false;
        QTimer::singleShot(0, [&] {
            window::Form* about = w_->programme().apropos().existing();
            QWidget* shown = about == nullptr ? nullptr : w_->platform().windows.windowOf(*about);
            if (shown != nullptr && QTest::qWaitForWindowExposed(shown)) look(*shown);
            closed = !w_->programme().apropos().exists();
            if (!closed) w_->programme().apropos().existing()->unload();
        });
        action("MenuApropos")->trigger();
        QVERIFY(closed);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

  private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { w_.reset(); }

    void theFirstStartShowsTheDefaultExampleComputed() {
        QCOMPARE(w_->window()->windowTitle(), QStringLiteral("Ormane version 2.1.0"));
        QCOMPARE(control<QLineEdit>("Textedf")->text(), QStringLiteral("9"));
        QCOMPARE(control<QLineEdit>("Textet", 3)->text(), QStringLiteral("0.30"));
        QVERIFY(control<QRadioButton>("Optiont", 3)->isChecked());
        QVERIFY(!control<QRadioButton>("Optiont", 1)->isChecked());
        QVERIFY(shows(prep(), "^ prep = 0\\.\\d{3}$"));
        QCOMPARE(control<QLabel>("EtiDecimales")->text(), QStringLiteral("decimals 3"));
        QCOMPARE(control<QScrollBar>("Ascenseur")->value(), 6);  // six steps below 9
        QCOMPARE(control<QComboBox>("Textealpha")->currentText(), QStringLiteral("0.05"));
        QCOMPARE(w_->window()->findChild<QMenuBar*>()->actions().size(), 8);
        QVERIFY(action("MenuLangue", 0)->isCheckable() && action("MenuLangue", 0)->isChecked());
        QVERIFY(!action("MenuLangue", 1)->isChecked());
        for (window::Control* shown : F().controls()) {
            if (shown->kind() != window::Kind::MenuItem)
                QCOMPARE(w_->widget(*shown)->isVisible(), shown->effectivelyVisible());
        }
        QCOMPARE(control<QComboBox>("TexteGamma")->currentText(), QStringLiteral("0.90"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);  // no hourglass left behind
        expectTidy(QStringLiteral("en"));
    }

    void typingATRecomputesOnceAndSelectsItsOption() {
        QString before = prep();
        QLineEdit* t = control<QLineEdit>("Textet", 1);
        QTest::mouseClick(t, Qt::LeftButton);
        QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
        int computed = w_->computations();
        // A key in a statistic box that is not the selected one: its click's computation,
        // then the key release's; the widgets add none.
        QTest::keyClicks(t, "2");
        QCOMPARE(w_->computations(), computed + 2);
        QVERIFY(control<QRadioButton>("Optiont", 1)->isChecked());
        QVERIFY(!control<QRadioButton>("Optiont", 3)->isChecked());
        QVERIFY(prep() != before);
        QVERIFY(control<QLineEdit>("Textet", 3)->text() != QStringLiteral("0.30"));
        // The next key in the box now selected: the key release's computation only.
        QTest::keyClicks(t, "5");
        QCOMPARE(w_->computations(), computed + 3);
        QCOMPARE(F().textBox("Textet", 1).text(), std::string("25"));
        QVERIFY(t->hasFocus());
        // Keys that change nothing compute nothing.
        QTest::keyClick(t, Qt::Key_Left);
        QTest::keyClick(t, Qt::Key_Right);
        QCOMPARE(w_->computations(), computed + 3);
    }

    // The results on show always belong to the entries on show.
    void withoutAutomaticComputationNothingIsComputedUntilCompute() {
        tick(control("CaseAutomatique"));
        QCOMPARE(F().checkBox("CaseAutomatique").value(), std::int16_t{0});
        QString before = prep();
        int computed = w_->computations();
        retype(control("Textet", 3), QStringLiteral("0.01"));
        QCOMPARE(w_->computations(), computed);
        QCOMPARE(prep(), QString());
        QCOMPARE(control<QLabel>("EtiEtat")->text(),
                 QStringLiteral("press Compute to compute these entries"));
        QTest::mouseClick(control<QPushButton>("BoutonCalculer"), Qt::LeftButton);
        QCOMPARE(w_->computations(), computed + 1);
        QVERIFY(shows(prep(), "^ prep = 0\\.\\d{3}$") && prep() != before);
        QCOMPARE(control<QLabel>("EtiEtat")->text(), QString());
    }

    void showingEveryPartMovesNothingAndStaysTidyInBothLanguages() {
        auto placeOf = [this](const char* name) {
            QWidget* shown = control(name);
            return QRect(shown->mapTo(w_->window(), QPoint(0, 0)), shown->size());
        };
        QSize size = w_->window()->size();
        QRect compute = placeOf("BoutonCalculer"), result = placeOf("EtiPrep");
        tick(control("OptionReplique", 1));
        tick(control("OptionIC", 0));
        tick(control("OptionIC", 1));
        tick(control("CasePreprep"));
        // A click on the long, wrapped caption of a check box ticks it too.
        QTest::mouseClick(w_->window()->findChild<QLabel*>(QStringLiteral("CasePsrep.caption")),
                          Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(control<QCheckBox>("CasePsrep")->isChecked());
        QVERIFY(control("Textec")->isVisible() && control("Textealpha")->isVisible());
        QVERIFY(control("CadreIntervalle", 1)->isVisible());
        qt::testing::settle(*w_->window());
        QCOMPARE(w_->window()->size(), size);
        QCOMPARE(placeOf("BoutonCalculer"), compute);
        QCOMPARE(placeOf("EtiPrep"), result);
        expectTidy(QStringLiteral("en-all"));
        // The longest results there can be.
        for (window::Control* each : F().controls()) each->setVisible(true);
        F().label("EtiPreprep").setCaption(" ppreprep = 0.999999999");
        for (std::int16_t i : {1, 2})
            F().label("EtiICt", i).setCaption("[-12.345678901 ; 12.345678901]");
        qt::testing::settle(*w_->window());
        size = w_->window()->size();
        // A status line longer than the window: cut, and shown whole as its tooltip.
        const std::string longest =
            "prediction interval of the effect size: the probability level must lie between 50 "
            "and 100 %, " +
            std::string(200, 'x');
        F().label("EtiEtat").setCaption(longest);
        auto* status = control<QLabel>("EtiEtat");
        QVERIFY(status->text().endsWith(u'…'));
        QCOMPARE(status->toolTip(), QString::fromStdString(longest));
        qt::testing::settle(*w_->window());
        QCOMPARE(w_->window()->size(), size);
        switchToFrench();
        expectTidy(QStringLiteral("fr-all"));
        QCOMPARE(w_->window()->size().height(), size.height());
        // The switch rewrites the captions of every kind of widget and moves the check mark.
        QCOMPARE(control<QPushButton>("BoutonCalculer")->text(), QStringLiteral("&Calculer"));
        QCOMPARE(control<QRadioButton>("Optiont", 3)->text(), QStringLiteral("p bilatéral"));
        QCOMPARE(control<QLabel>("EtiDecimales")->text(), QStringLiteral("décimales 3"));
        QCOMPARE(control<QGroupBox>("CadreDonnees")->title(), QStringLiteral(" Données "));
        QCOMPARE(action("MenuLanguage")->text(), QStringLiteral("&Langue"));
        QVERIFY(action("MenuLangue", 1)->isCheckable() && action("MenuLangue", 1)->isChecked());
        QVERIFY(!action("MenuLangue", 0)->isCheckable());
    }

    // Each option shows its parts and hides them again when it is unticked.
    void anOptionHidesAgainWhatItShowed() {
        for (bool shown : {true, false}) {
            tick(control("OptionReplique", shown ? 1 : 0));
            tick(control("CasePsrep"));
            QCOMPARE(control("Textec")->isVisible(), shown);
            QCOMPARE(control("TextedfR")->isVisible(), shown);
            QCOMPARE(control("Etidf", 1)->isVisible(), shown);
            QCOMPARE(control("Textealpha")->isVisible(), shown);
            QCOMPARE(control("EtiPrept")->isVisible(), shown);
        }
    }

    void theDecimalsBarRendersTheResultsAgainWithoutComputing() {
        auto* bar = control<QScrollBar>("Ascenseur");
        int computed = w_->computations();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(control<QLabel>("EtiDecimales")->text(), QStringLiteral("decimals 4"));
        QVERIFY(shows(prep(), "^ prep = 0\\.\\d{4}$"));
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(control<QLabel>("EtiDecimales")->text(), QStringLiteral("decimals 9"));
        QVERIFY(shows(prep(), "^ prep = 0\\.\\d{9}$"));
        QCOMPARE(w_->computations(), computed);
    }

    // Alt+P presses co&Py at once (its key is its own: reach_test.cpp checks them all):
    // the prep is copied and a message says so.
    void altPCopiesThePrep() {
        QTest::mouseClick(control<QLineEdit>("Textedf"), Qt::LeftButton);
        QGuiApplication::clipboard()->clear();
        // The message that says so: plain text, modal, one OK and no icon.
        QString message, title;
        bool plainModalOneOkNoIcon = false;
        // The click comes as the button comes up again: look for the box until it is up.
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            poll.stop();
            message = box->text();
            title = box->windowTitle();
            plainModalOneOkNoIcon = box->textFormat() == Qt::PlainText &&
                                    box->windowModality() == Qt::ApplicationModal &&
                                    box->buttons().size() == 1 &&
                                    box->icon() == QMessageBox::NoIcon;
            QTest::keyClick(box, Qt::Key_Return);
        });
        poll.start();
        QTest::keyClick(w_->window(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), prep());
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(title, QStringLiteral("Ormane"));
        QCOMPARE(message, prep() + QStringLiteral(" has been copied to clipboard"));
        QVERIFY(plainModalOneOkNoIcon);
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

    void theHelpButtonPopsUpTheHelpMenuAndEscapeChoosesNothing() {
        QStringList items;
        QTimer::singleShot(
            0, [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape); });
        QTest::mouseClick(control<QPushButton>("BoutonAide"), Qt::LeftButton);
        QVERIFY(w_->platform().help.window() == nullptr);
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            for (QAction* item : menu->actions()) items << item->text();
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

    // Modal, where its twips say, all shown in either language; closed by a click on its
    // icon, and as in any dialog by Esc, Enter (its OK is the default) or its close button. The
    // switch loaded it before the language changed: the second opening is French too.
    void theAboutBoxOpensModallyWhereItsTwipsSayAndClosesAsAnyDialog() {
        withAboutBox([&](QWidget& shown) {
            QVERIFY(shown.windowModality() == Qt::ApplicationModal);
            auto* label = shown.findChild<QLabel*>(QStringLiteral("Copyr"));
            QVERIFY(label->text().contains(QStringLiteral("Ormane version 2.1.0\n")));
            // 15 twips to a pixel, scaled with the font.
            const double scale =
                dynamic_cast<qt::TwipsLayout&>(*label->parentWidget()->layout()).scale();
            QVERIFY(scale >= 1.0);
            auto near = [scale](int pixels, int twips) {
                return std::abs(pixels - twips * scale / 15.0) <= 1.0;
            };
            const QRect copyr = label->geometry();
            const QRect ok = shown.findChild<QPushButton*>(QStringLiteral("OK"))->geometry();
            QVERIFY(near(copyr.x(), 300) && near(copyr.y(), 150) && near(copyr.width(), 8000));
            QVERIFY(near(copyr.height(), 2850) && near(ok.y(), 3240) && near(ok.height(), 1000));
            expectTidy(shown, QStringLiteral("about-en"));
            QTest::mouseClick(shown.findChild<QWidget*>(QStringLiteral("IconeArdix")),
                              Qt::LeftButton);
        });
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            bool wasDefault = false;
            withAboutBox([&](QWidget& shown) {
                wasDefault = shown.findChild<QPushButton*>(QStringLiteral("OK"))->isDefault();
                QWidget* focused = QApplication::focusWidget();
                QTest::keyClick(focused != nullptr ? focused : &shown, key,
                                key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            });
            QVERIFY(wasDefault);
        }
        switchToFrench();
        QString text;
        auto lookAndClose = [&](QWidget& shown) {
            text = shown.findChild<QLabel*>(QStringLiteral("Copyr"))->text();
            expectTidy(shown, QStringLiteral("about-fr"));
            shown.close();
        };
        withAboutBox(lookAndClose);
        withAboutBox(lookAndClose);
        QVERIFY(text.contains(QStringLiteral("licence MIT")));
        QVERIFY(w_->window()->isVisible());
    }
};

ORMANE_QTEST_MAIN(ProgrammeWindowTest)
#include "programme_window_test.moc"
