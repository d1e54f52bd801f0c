// The planning dialog in real widgets: opened by its menu key, driven by access keys and
// typed keys, its result lines and curve, its French, its marks for unread entries, and
// its button that types c and nu' into the main window's future-experiment entries.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "plan/plan_dialog.h"
#include "qt/platform/help_window.h"
#include "support/qt_test_main.h"
#include "support/window_test.h"
#include "window/model/controls.h"

using namespace ormane;

class PlanDialogTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    FeuillePlan& plan() { return *w_->programme().plan().existing(); }
    template <class W = QWidget>
    W* inPlan(const char* name, std::int16_t index = -1) {
        window::Control& c = index < 0 ? plan().control(name) : plan().control(name, index);
        return w_->widget<W>(c);
    }
    QString line(const char* name) { return inPlan<QLabel>(name)->text(); }
    // A key pressed where the focus is in the dialog; an access key goes to the dialog,
    // as the main window's tests send theirs.
    void press(QWidget& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        const bool accessKey = modifiers == Qt::AltModifier;
        QTest::keyClick(focused != nullptr && !accessKey ? focused : &dialog, key, modifiers);
        // A button's access key clicks it the way Qt shows a click: a moment later, as the
        // button comes up again, however busy the machine.
        if (accessKey) {
            QVERIFY(QTest::qWaitFor([&dialog] {
                const auto buttons = dialog.findChildren<QAbstractButton*>();
                return std::none_of(buttons.begin(), buttons.end(),
                                    [](const QAbstractButton* b) { return b->isDown(); });
            }));
        }
    }
    // Replaces the text of the box that has the focus.
    void retype(const QString& text) { WindowTest::retype(QApplication::focusWidget(), text); }
    // Opens the dialog with the menu's key (Alt+`key`); `look` runs while it is up and must
    // close it.
    void withPlan(Qt::Key key, const std::function<void(QWidget&)>& look) {
        bool closed = false;
        QTimer::singleShot(0, [&] {
            FeuillePlan* shown = w_->programme().plan().existing();
            QWidget* dialog = shown == nullptr ? nullptr : w_->platform().windows.windowOf(*shown);
            if (dialog != nullptr && QTest::qWaitForWindowExposed(dialog)) {
                dialog->activateWindow();
                if (QTest::qWaitForWindowActive(dialog)) look(*dialog);
            }
            closed = !shown->shown();
            if (!closed) shown->hide();
        });
        QTest::keyClick(w_->window(), key, Qt::AltModifier);
        QVERIFY(closed);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

  private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { w_.reset(); }

    // The default example (t(9) = 1.10): psrep 0.80 needs 547 per cell; P = 0.70, 82.
    void theKeysReachEveryEntryAndTheUseButtonComputesTheFutureExperiment() {
        withPlan(Qt::Key_N, [&](QWidget& dialog) {
            QVERIFY(dialog.windowModality() == Qt::ApplicationModal);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Plan a replication"));
            QCOMPARE(line("EtiNFutur"), QStringLiteral(" n' = 547 per cell (observed: n = 5.5)"));
            expectTidy(dialog, QStringLiteral("plan-en"));
            // The curve: the widest line of the model's drawing is painted on screen.
            QWidget* curve =
                w_->platform().windows.binding(plan())->widget(plan().control("CourbePlan"));
            const QImage image = curve->grab().toImage();
            const auto& traits = plan().get<window::Picture>("CourbePlan").drawing().traits;
            const auto courbe = std::max_element(
                traits.begin(), traits.end(),
                [](const auto& a, const auto& b) { return a.epaisseur < b.epaisseur; });
            QVERIFY(courbe != traits.end() && courbe->points.size() > 2);
            const QColor highlight(courbe->couleur.red, courbe->couleur.green,
                                   courbe->couleur.blue);
            bool curveDrawn = false;
            for (int x = 0; x < image.width() && !curveDrawn; ++x) {
                for (int y = 0; y < image.height() && !curveDrawn; ++y) {
                    curveDrawn = image.pixelColor(x, y) == highlight;
                }
            }
            QVERIFY(curveDrawn);
            press(dialog, Qt::Key_P, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("TexteProbabilite"));
            retype(QStringLiteral("0.70"));
            QCOMPARE(line("EtiNFutur"), QStringLiteral(" n' = 82 per cell (observed: n = 5.5)"));
            press(dialog, Qt::Key_E, Qt::AltModifier);  // pr&ep
            QVERIFY2(line("EtiAtteinte").startsWith(QStringLiteral(" prep = ")),
                     qPrintable(line("EtiAtteinte")));
            press(dialog, Qt::Key_C, Qt::AltModifier);
            retype(QStringLiteral("1"));
            QVERIFY2(line("EtiNFutur").contains(QStringLiteral("(observed: n = 10)")),
                     qPrintable(line("EtiNFutur")));
            press(dialog, Qt::Key_C, Qt::AltModifier);
            retype(QStringLiteral("2"));
            press(dialog, Qt::Key_S, Qt::AltModifier);  // p&srep
            QVERIFY(inPlan<QPushButton>("BoutonUtiliser")->isEnabled());
            press(dialog, Qt::Key_H, Qt::AltModifier);
            qt::HelpWindow* help = w_->platform().help.window();
            QVERIFY(help != nullptr &&
                    help->browser().source().toLocalFile().endsWith(QStringLiteral("/en/18.html")));
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            press(dialog, Qt::Key_U, Qt::AltModifier);
        });
        // The main window now predicts the future experiment found, and computed it.
        QCOMPARE(F().optionButton("OptionReplique", 1).value(), Vrai);
        QCOMPARE(F().textBox("Textec").text(), std::string("82/5.5"));
        QCOMPARE(F().textBox("TextedfR").text(), std::string("162"));
        const auto psrep = F().label("EtiPrept").caption();
        QVERIFY2(psrep == " psrep = 0.700", psrep.c_str());
        const auto kept = w_->programme().module().resultats.valeur(Resultat::Psrep);
        QVERIFY(kept && *kept >= 0.70);
    }

    void inFrenchItSpeaksFrenchMarksUnreadTextAndSaysWhatCannotBeReached() {
        w_->action(F().menuItem("MenuLangue", 1))->trigger();
        withPlan(Qt::Key_I, [&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Planifier une réplique"));
            QCOMPARE(inPlan<QPushButton>("BoutonFermer")->text(), QStringLiteral("&Fermer"));
            press(dialog, Qt::Key_P, Qt::AltModifier);
            retype(QStringLiteral("abc"));
            QVERIFY(plan().textBox("TexteProbabilite").marked());
            QCOMPARE(inPlan("TexteProbabilite")->toolTip(), QStringLiteral("lu comme 0"));
            const QString unread = line("EtiMessage");
            QVERIFY2(unread.startsWith(QStringLiteral("Donnez une probabilité")),
                     qPrintable(unread));
            QVERIFY(!inPlan<QPushButton>("BoutonUtiliser")->isEnabled());
            retype(QStringLiteral("0,9"));
            const QString beyond = line("EtiMessage");
            QVERIFY2(beyond.contains(QStringLiteral("ne peut être atteint")) &&
                         beyond.contains(QStringLiteral("0.850")),
                     qPrintable(beyond));
            qt::testing::saveScreenshot(dialog, QStringLiteral("plan-fr"));
            press(dialog, Qt::Key_F, Qt::AltModifier);  // &Fermer
        });
        // Closing changed nothing in the main window.
        QCOMPARE(F().optionButton("OptionReplique", 0).value(), Vrai);
    }

    void escapeClosesItAndAStatisticThatGivesNoTIsSaid() {
        WindowTest::retype(control("Textet", 3), QStringLiteral("0"));
        withPlan(Qt::Key_N, [&](QWidget& dialog) {
            QVERIFY2(line("EtiObservation").contains(QStringLiteral("infinite")),
                     qPrintable(line("EtiObservation")));
            press(dialog, Qt::Key_Escape);
        });
    }
};

ORMANE_QTEST_MAIN(PlanDialogTest)
#include "plan_dialog_test.moc"
