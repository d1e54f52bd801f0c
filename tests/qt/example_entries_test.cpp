// What start-up writes for its example stays the example's, in the real window typed key by
// key: the example's effect goes once the person's df or statistic replaces the example's,
// and the future experiment's df follows the observed df (while c is 1) until the person
// types one.
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/qt_test_main.h"
#include "support/window_test.h"

using namespace ormane;

class ExampleEntriesTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    QString status() { return label("EtiEtat"); }
    // Both interval boxes ticked: the effect entry and every effect interval show.
    void showEffectIntervals() {
        qt::testing::tick(control("OptionIC", 0));
        qt::testing::tick(control("OptionIC", 1));
        QTRY_VERIFY(box("TexteEffet", 0)->isVisible());
    }

  private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { w_.reset(); }

    void theExampleKeepsItsOwnEffect() {
        showEffectIntervals();
        QCOMPARE(box("TexteEffet", 0)->text(), QStringLiteral("0.34776080"));
        QCOMPARE(label("EtiIC", 0), QStringLiteral("[-0.301,0.979]"));
        // Another number of decimals, alpha or level is still the example's experiment.
        retype(control("TexteGarantie", 0), QStringLiteral("90"));
        QTRY_VERIFY(label("EtiIC", 0).startsWith(u'['));
        QCOMPARE(box("TexteEffet", 0)->text(), QStringLiteral("0.34776080"));
    }

    // The person's df or statistic: no effect of the example is used, shown or drawn.
    void theExamplesEffectGoesWithItsExperiment_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::newRow("df") << QStringLiteral("Textedf") << -1 << QStringLiteral("20");
        QTest::newRow("t") << QStringLiteral("Textet") << 1 << QStringLiteral("2.5");
        QTest::newRow("negative t") << QStringLiteral("Textet") << 1 << QStringLiteral("-2.5");
        QTest::newRow("p") << QStringLiteral("Textet") << 3 << QStringLiteral("0.04");
    }
    void theExamplesEffectGoesWithItsExperiment() {
        QFETCH(QString, entry);
        QFETCH(int, index);
        QFETCH(QString, typed);
        showEffectIntervals();
        retype(control(entry.toUtf8().constData(), static_cast<std::int16_t>(index)), typed);
        QTRY_COMPARE(box("TexteEffet", 0)->text(), QString());
        QCOMPARE(box("TexteEffet", 1)->text(), QString());
        QCOMPARE(label("EtiIC", 0), QString());
        QCOMPARE(label("EtiIC", 1), QString());
        QVERIFY(label("EtiPrep").startsWith(QStringLiteral(" prep = ")));
        QVERIFY2(status().contains(QStringLiteral("enter the observed d or raw effect")),
                 qPrintable(status()));

        // The person's own d gives intervals of the sign of their t.
        retype(box("TexteEffet", 0),
               typed.startsWith(u'-') ? QStringLiteral("-0.5") : QStringLiteral("0.5"));
        QTRY_VERIFY(label("EtiIC", 0).startsWith(u'['));
        QVERIFY(!label("EtiIC", 1).isEmpty());
        QCOMPARE(label("EtiIC", 0).contains(QStringLiteral("[-")),
                 typed.startsWith(u'-') || entry == QStringLiteral("Textedf"));
        // From now on the effect is the person's: a new df keeps it.
        retype(box("Textedf"), QStringLiteral("30"));
        QTRY_COMPARE(box("Textedf")->text(), QStringLiteral("30"));
        QVERIFY(box("TexteEffet", 0)->text().endsWith(QStringLiteral("0.5")));
    }

    void theFutureDfFollowsTheObservedDfUntilTyped() {
        retype(box("Textedf"), QStringLiteral("20"));
        retype(box("Textet", 1), QStringLiteral("2.5"));
        const QString replication = label("EtiPrept");
        qt::testing::tick(control("OptionReplique", 1));
        QTRY_VERIFY(box("Textec")->isVisible());
        // c = 1 and no future df typed: the same experiment again, the same psrep.
        QCOMPARE(box("Textec")->text(), QStringLiteral("1"));
        QCOMPARE(box("TextedfR")->text(), QStringLiteral("20"));
        QCOMPARE(label("EtiPrept"), replication);
        retype(box("Textedf"), QStringLiteral("24"));
        QTRY_COMPARE(box("TextedfR")->text(), QStringLiteral("24"));

        // Another c: the future df is the person's to give, the results wait for it.
        retype(box("Textec"), QStringLiteral("2"));
        QTRY_COMPARE(box("TextedfR")->text(), QString());
        QCOMPARE(label("EtiPrep"), QString());
        QVERIFY2(status().contains(QStringLiteral("enter the degrees of freedom of the future")),
                 qPrintable(status()));
        retype(box("TextedfR"), QStringLiteral("45"));
        QTRY_VERIFY(label("EtiPrep").startsWith(QStringLiteral(" prep = ")));
        QCOMPARE(status(), QString());

        // Typed, it is the person's: c and df no longer move it.
        retype(box("Textec"), QStringLiteral("1"));
        retype(box("Textedf"), QStringLiteral("30"));
        QTRY_COMPARE(box("Textedf")->text(), QStringLiteral("30"));
        QCOMPARE(box("TextedfR")->text(), QStringLiteral("45"));
    }
};

ORMANE_QTEST_MAIN(ExampleEntriesTest)
#include "example_entries_test.moc"
