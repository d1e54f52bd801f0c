// Entries typed key by key in the real window, as a person types them: what stays in the
// box and where the caret goes, what is computed from it, the marks, and what a screen
// reader is told of the boxes and the results.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "support/qt_test_main.h"
#include "support/window_test.h"

using namespace ormane;
using qt::testing::tick;

namespace {

QString accessible(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(widget);
    return shown == nullptr ? QStringLiteral("<none>") : shown->text(kind);
}

}  // namespace

class EntriesWindowTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    // The key comes up where the focus went, as on a real keyboard.
    void pressTab() {
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    }
  private slots:
    void init() {
        QVERIFY(start());
        // Nine decimals tell apart values that three would not.
        auto* bar = control<QScrollBar>("Ascenseur");
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(label("EtiDecimales"), QStringLiteral("decimals 9"));
    }
    void cleanup() { w_.reset(); }

    // Never rewritten while typed, and computed as the same number written otherwise.
    void theDegreesOfFreedomKeepEachKeyAndComputeWithIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sameNumber");
        QTest::newRow("fraction") << QStringLiteral("12.5") << QStringLiteral("25/2");
        QTest::newRow("exponent") << QStringLiteral("1e3") << QStringLiteral("1000");
        QTest::newRow("comma") << QStringLiteral("7,5") << QStringLiteral("15/2");
    }
    void theDegreesOfFreedomKeepEachKeyAndComputeWithIt() {
        QFETCH(QString, typed);
        QFETCH(QString, sameNumber);
        QLineEdit* df = box("Textedf");
        retype(df, sameNumber);
        const QString expected = label("EtiPrep");
        retype(df, QString());
        QTest::keyClick(df, Qt::Key_Delete);
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(df, typed.at(i).toLatin1());
            QCOMPARE(df->text(), typed.left(i + 1));
            QCOMPARE(df->cursorPosition(), i + 1);
        }
        QCOMPARE(label("EtiPrep"), expected);
        QVERIFY(expected.startsWith(QStringLiteral(" prep = 0.")));
        // Leaving the box rewrites nothing either.
        pressTab();
        QVERIFY(!df->hasFocus());
        QCOMPARE(df->text(), typed);
        QCOMPARE(label("EtiPrep"), expected);
    }

    void whatIsSelectedInTheDegreesOfFreedomIsReplacedByWhatIsTyped() {
        QLineEdit* df = box("Textedf");
        QCOMPARE(df->text(), QStringLiteral("9"));
        retype(df, "20");
        QCOMPARE(df->text(), QStringLiteral("20"));
        // Tab into the box selects all it holds: the keys replace it.
        control("TexteGarantie", 1)->setFocus();
        pressTab();
        QVERIFY(df->hasFocus());
        QCOMPARE(df->selectedText(), QStringLiteral("20"));
        QTest::keyClicks(df, "30");
        QCOMPARE(df->text(), QStringLiteral("30"));
    }

    // The minus is taken away as soon as the p reads negative; the next key lands after
    // what was typed, not before it.
    void aNegativePIsCorrectedWithoutLosingTheKeysThatFollow() {
        QLineEdit* p = box("Textet", 3);
        retype(p, "-0.045");
        QCOMPARE(p->text(), QStringLiteral("0.045"));
        QCOMPARE(p->cursorPosition(), 5);
        QCOMPARE(F().textBox("Textet", 3).text(), std::string("0.045"));
    }

    // How a mark looks and is told is the binding's (binding_test.cpp), what is marked and
    // said the computation's (tests/compute); here, that the real window's box shows the
    // mark as it is typed and takes it away, and that the window still fits.
    void aBoxNotReadAsWrittenIsMarkedForTheEyeAndTheScreenReader() {
        QLineEdit* df = box("Textedf");
        retype(df, "9abc");
        QVERIFY(F().textBox("Textedf").marked());
        QCOMPARE(accessible(df, QAccessible::Description), QStringLiteral("read as 9"));
        expectTidy(*w_->window(), QStringLiteral("entries-marked"));
        retype(df, "9");
        QVERIFY(!F().textBox("Textedf").marked());
        QCOMPARE(df->toolTip(), QString());
        QCOMPARE(accessible(df, QAccessible::Description), QString());
    }

    // A result is read by what it shows, its name ("prep") as its description, through a
    // text interface; the status line likewise, in the interface language.
    void aScreenReaderReadsEachResultAndTheStatusLineByWhatTheyShow() {
        auto* prep = control<QLabel>("EtiPrep");
        QVERIFY(prep->text().startsWith(QStringLiteral(" prep = 0.")));
        QCOMPARE(accessible(prep, QAccessible::Name), prep->text());
        QCOMPARE(accessible(prep, QAccessible::Description), QStringLiteral("prep"));
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(prep)->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), prep->text());
        QCOMPARE(accessible(box("Textet", 3), QAccessible::Name), QStringLiteral("two-tailed p"));
        QCOMPARE(accessible(box("Textet", 3), QAccessible::Value), QStringLiteral("0.30"));
        QLineEdit* df = box("Textedf");
        retype(df, QString());
        QTest::keyClick(df, Qt::Key_Delete);
        w_->action(F().menuItem("MenuLangue", 1))->trigger();
        auto* line = control<QLabel>("EtiEtat");
        QCOMPARE(accessible(line, QAccessible::Name),
                 QStringLiteral("entrez les degrés de liberté"));
        QCOMPARE(accessible(line, QAccessible::Description), QStringLiteral("état"));
        QCOMPARE(accessible(control("Ascenseur"), QAccessible::Name), QStringLiteral("décimales"));
    }

    // The bar holds nine decimals at its top: it says 9, and each key says the new count.
    void theDecimalsBarTellsTheNumberOfDecimals() {
        auto* bar = control<QScrollBar>("Ascenseur");
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(bar);
        QAccessibleValueInterface* value = shown->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->currentValue().toInt(), 9);
        QCOMPARE(shown->text(QAccessible::Value), QStringLiteral("9"));
        QCOMPARE(value->minimumValue().toInt(), 2);
        QCOMPARE(value->maximumValue().toInt(), 9);
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(label("EtiDecimales"), QStringLiteral("decimals 8"));
        QCOMPARE(value->currentValue().toInt(), 8);
        value->setCurrentValue(4);  // as a tool sets it: the model counts four
        QCOMPARE(label("EtiDecimales"), QStringLiteral("decimals 4"));
        QCOMPARE(value->currentValue().toInt(), 4);
    }

    // Buttons, check boxes and option buttons are named by their captions in plain words,
    // the access key's capital gone.
    void captionsAreAnnouncedInPlainWords() {
        QCOMPARE(accessible(control("OptionIC", 0), QAccessible::Name),
                 QStringLiteral("interval estimates"));
        QCOMPARE(accessible(control("boutonOK"), QAccessible::Name),
                 QStringLiteral("copy prep to clipboard"));
        QCOMPARE(accessible(control("BoutonQuitter"), QAccessible::Name), QStringLiteral("exit"));
        QCOMPARE(accessible(control("CaseAutomatique"), QAccessible::Name),
                 QStringLiteral("automatic computation"));
        QVERIFY(accessible(control("CasePsrep"), QAccessible::Name)
                    .startsWith(QStringLiteral("psrep = probability of finding")));
        w_->action(F().menuItem("MenuLangue", 1))->trigger();
        QCOMPARE(accessible(control("OptionIC", 1), QAccessible::Name),
                 QStringLiteral("intervalles de prédiction"));
        QCOMPARE(accessible(control("CadreDonnees"), QAccessible::Name), QStringLiteral("Données"));
    }

    // Typed key by key, t = 2.5 with 20 df fills the p boxes with sixteen digits: each shows
    // its beginning, and its tooltip the whole text; so in the narrower future-experiment
    // layout. The box being typed in keeps its caret where the keys left it.
    void theBoxesTheProgramWritesShowTheirBeginningAndTheirWholeTextAsTooltip() {
        tick(control("OptionReplique", 1));
        retype(box("Textedf"), QStringLiteral("20"));
        QLineEdit* t = box("Textet", 1);
        retype(t, QStringLiteral("2.5"));
        QCOMPARE(t->cursorPosition(), 3);
        for (std::int16_t i : {3, 4}) {
            QLineEdit* p = box("Textet", i);
            QVERIFY2(p->text().size() >= 16, qPrintable(p->text()));
            QVERIFY(p->text().startsWith(QStringLiteral("0.0")));
            QCOMPARE(p->cursorPosition(), 0);
            QVERIFY(!p->hasSelectedText());
            QVERIFY(p->fontMetrics().horizontalAdvance(p->text()) > p->width());
            QCOMPARE(p->toolTip(), p->text());
        }
        // A text that fits needs no tooltip; a mark's "read as" comes before the whole text.
        QCOMPARE(box("Textedf")->toolTip(), QString());
        retype(box("Textet", 3), QStringLiteral("0.0212335454391324xyz"));
        QCOMPARE(box("Textet", 3)->toolTip(), QStringLiteral("read as 0.0212335454391324"));
    }
};

ORMANE_QTEST_MAIN(EntriesWindowTest)
#include "entries_window_test.moc"
