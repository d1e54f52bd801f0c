// The K-prime dialog in real widgets, opened from the main window and driven by key
// presses: its access keys, typing that recomputes, the list copied to the real
// clipboard, and the language switch that re-captions it while it is open, then closing it.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "kprime/kprime_dialog.h"
#include "support/qt_test_main.h"
#include "support/window_test.h"

using namespace ormane;

class KprimeDialogTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    FeuilleKprime& K() { return *w_->programme().feuilleKprime().existing(); }
    QWidget* dialog() { return w_->platform().windows.windowOf(K()); }
    template <class W = QWidget>
    W* inDialog(const char* name, std::int16_t index = -1) {
        return w_->widget<W>(index < 0 ? K().control(name) : K().control(name, index));
    }
    void alt(Qt::Key key) { QTest::keyClick(dialog(), key, Qt::AltModifier); }

  private slots:
    void init() {
        QVERIFY(start());
        // &K-prime Distribution from the keyboard, as a person opens it.
        QTest::keyClick(w_->window(), Qt::Key_K, Qt::AltModifier);
        QVERIFY(w_->programme().feuilleKprime().exists());
        QVERIFY(dialog() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(dialog()));
        dialog()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
        qt::testing::settle(*dialog());
    }
    void cleanup() { w_.reset(); }

    void itOpensBesideTheMainWindowWithItsResults() {
        QCOMPARE(dialog()->windowTitle(), QStringLiteral("K-prime distribution "));
        QVERIFY(w_->window()->isVisible());
        QVERIFY(
            inDialog<QLabel>("EtiQueue", 1)->text().startsWith(QStringLiteral(" P(K ≤ x) = 0.")));
    }

    // Alt with a label's letter reaches its box, with an option's or a check box's the
    // control itself; nothing else is pressed on the way.
    void everyAccessKeyReachesItsControl() {
        const struct {
            Qt::Key key;
            const char* name;
            std::int16_t index;
        } keys[] = {{Qt::Key_1, "Textedl", 1},        {Qt::Key_2, "Textedl", 2},
                    {Qt::Key_O, "TexteNC", -1},       {Qt::Key_B, "OptionLimite", 1},
                    {Qt::Key_I, "OptionLimite", 0},   {Qt::Key_N, "CaseDl", 1},
                    {Qt::Key_L, "CaseDl", 2},         {Qt::Key_M, "CaseAutomatique", -1},
                    {Qt::Key_A, "BoutonAjouter", -1}, {Qt::Key_R, "BoutonEffacer", -1},
                    {Qt::Key_C, "BoutonCalculer", -1}};
        for (const auto& k : keys) {
            alt(k.key);
            QTRY_VERIFY2(inDialog(k.name, k.index)->hasFocus(), k.name);
        }
        // The two check boxes and automatic computation were toggled by their keys.
        QCOMPARE(K().checkBox("CaseDl", 1).value(), std::int16_t{1});
        QCOMPARE(K().checkBox("CaseAutomatique").value(), std::int16_t{0});
        QVERIFY(!inDialog("Textedl", 1)->isEnabled());
        QVERIFY(inDialog<QRadioButton>("OptionLimite", 0)->isChecked());
    }

    void typedKeysRecomputeAndCommaIsADecimalSeparator() {
        alt(Qt::Key_O);
        retype(inDialog<QLineEdit>("TexteNC"), "0");
        alt(Qt::Key_2);
        retype(inDialog<QLineEdit>("Textedl", 2), "1");
        retype(inDialog<QLineEdit>("TexteLimite"), "1,0");
        // lambda = 0 and df2 = 1: the Cauchy law, P(K <= 1) = 3/4.
        QCOMPARE(inDialog<QLabel>("EtiQueue", 1)->text(), QStringLiteral(" P(K ≤ x) = 0.75"));
        retype(inDialog<QLineEdit>("TexteLimite"), "1x");
        QVERIFY(K().textBox("TexteLimite").marked());
        QCOMPARE(inDialog<QLabel>("EtiEtat")->text(),
                 QStringLiteral("limit x \"1x\" is read as 1"));
    }

    void addThenCopyPutsTheListOnTheClipboard() {
        // A button's key presses it as a click does, a moment later.
        // The list's focus goes to the scroll area around it: the label itself, by its name.
        auto* lines = dialog()->findChild<QLabel*>(QStringLiteral("EtiListe"));
        QVERIFY(lines != nullptr);
        QGuiApplication::clipboard()->clear();
        alt(Qt::Key_A);
        QTRY_VERIFY(!lines->text().isEmpty());
        alt(Qt::Key_B);
        retype(inDialog<QLineEdit>("TexteProbabilite"), "0.5");
        alt(Qt::Key_A);
        QTRY_COMPARE(lines->text().count(u'\n'), 1);
        const QString list = lines->text();
        QVERIFY(list.contains(QStringLiteral("p = 0.5   x = ")));
        alt(Qt::Key_P);
        QTRY_COMPARE(QGuiApplication::clipboard()->text().remove(u'\r'), list + u'\n');
        alt(Qt::Key_R);
        QTRY_COMPARE(lines->text(), QString());
    }

    // The texts themselves are the K-prime tests' (tests/kprime/data/texts.tsv); here, that
    // the open dialog's widgets show them and take the new access keys, &Fermer unloading it.
    void aLanguageSwitchRecaptionsTheOpenDialog() {
        w_->action(F().menuItem("MenuLangue", 1))->trigger();
        QCOMPARE(dialog()->windowTitle(), QStringLiteral("Distribution K-prime"));
        QCOMPARE(inDialog<QPushButton>("BoutonQuitter")->text(), QStringLiteral("&Fermer"));
        QCOMPARE(inDialog("Textedl", 1)->accessibleName(), QStringLiteral("dl1"));
        // French keys: a&Jouter.
        alt(Qt::Key_J);
        auto* lines = dialog()->findChild<QLabel*>(QStringLiteral("EtiListe"));
        QTRY_VERIFY(!lines->text().isEmpty());
        QVERIFY(lines->text().contains(QStringLiteral("moyenne")));
        alt(Qt::Key_F);
        QTRY_VERIFY(!w_->programme().feuilleKprime().exists());
        QCOMPARE(w_->programme().etat().FeuilleKprimeChargee, Faux);
        QVERIFY(w_->window()->isVisible());
    }
};

ORMANE_QTEST_MAIN(KprimeDialogTest)
#include "kprime_dialog_test.moc"
