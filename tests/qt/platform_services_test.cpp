// The Qt platform services on their own: the mouse pointer and the help window (the
// message box: programme_window_test.cpp) (topics by number from the pages beside the program, the
// "topic not found" page of the right language with the number asked for, links between pages).
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "qt/platform/help_window.h"
#include "qt/platform/qt_platform.h"
#include "support/qt_test_main.h"
#include "support/tidiness.h"

namespace qt = ormane::qt;

class PlatformServicesTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<qt::QtHelpViewer> help_;

    QTextBrowser& browser() { return help_->window()->browser(); }
    QString shownPage() {
        return QDir(help_->helpFolder()).relativeFilePath(browser().source().toLocalFile());
    }
    QString shownText() { return browser().toPlainText(); }
    // Tab to the first link of the page and Enter, as a person would.
    void followFirstLink() {
        QVERIFY(QTest::qWaitForWindowActive(help_->window()));
        browser().setFocus();
        QTest::keyClick(&browser(), Qt::Key_Tab);
        QTest::keyClick(&browser(), Qt::Key_Return);
    }

  private slots:
    void init() {
        // A page or style sheet the browser cannot find is a failure here.
        QTest::failOnWarning(
            QRegularExpression(QStringLiteral("^ormane:|QTextBrowser|No document")));
        help_ = std::make_unique<qt::QtHelpViewer>();
    }
    void cleanup() { help_.reset(); }

    void theHourglassIsOneOverrideTakenAwayByTheDefaultOrWhenThePointerGoes() {
        {
            qt::QtMousePointer pointer;
            pointer.set(11);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            pointer.set(11);
            pointer.set(0);
            QVERIFY(QGuiApplication::overrideCursor() == nullptr);
            pointer.set(0);  // nothing to take away
            pointer.set(11);
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void eachTopicOpensItsPageOrTheNotFoundPageOfItsLanguage_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("says");  // the window's title, or words of a not-found page
        for (const QString& row : qt::testing::dataFile("help-topics.tsv").split(u'\n')) {
            const QStringList field = row.split(u'\t');
            if (row.startsWith(u'#') || field.size() != 3) continue;
            QTest::newRow(qPrintable(field[1] + u' ' + field[0]))
                << field[0].toInt() << field[1] << field[2];
        }
    }
    void eachTopicOpensItsPageOrTheNotFoundPageOfItsLanguage() {
        QFETCH(int, topic);
        QFETCH(QString, page);
        QFETCH(QString, says);
        help_->openTopic(topic);
        QVERIFY(help_->window()->isVisible() && !help_->window()->isModal());
        QCOMPARE(shownPage(), page);
        QVERIFY(!browser().documentTitle().isEmpty());
        QCOMPARE(help_->window()->windowTitle(), browser().documentTitle());
        QVERIFY(shownText().size() > 200);
        if (page.startsWith(QStringLiteral("not-found"))) {
            QVERIFY2(shownText().contains(says), qPrintable(shownText()));
            QVERIFY(!shownText().contains(QStringLiteral("%1")));
        } else if (!says.isEmpty()) {
            QCOMPARE(browser().documentTitle(), says);
        }
        qt::testing::saveScreenshot(*help_->window(), QStringLiteral("help-%1").arg(topic));
    }

    void oneWindowBesideTheProgramServesEveryTopicAndItsLinks() {
        QCOMPARE(help_->helpFolder(), QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                      QStringLiteral("/../share/ormane/help")));
        help_->openTopic(12);
        auto* first = help_->window();
        followFirstLink();
        QCOMPARE(shownPage(), QStringLiteral("en/11.html"));
        help_->openTopic(16);
        help_->openTopic(19);
        QCOMPARE(help_->window(), first);
        QVERIFY(shownText().contains(QStringLiteral("number 19")));
        followFirstLink();  // the not-found page leads to the topics
        QCOMPARE(shownPage(), QStringLiteral("en/11.html"));
    }

    void withoutAnyPageItStillSaysWhichTopicIsMissing() {
        QTemporaryDir empty;
        help_ = std::make_unique<qt::QtHelpViewer>(empty.path());
        help_->openTopic(12);
        QVERIFY(help_->window()->isVisible());
        QVERIFY(shownText().contains(QStringLiteral("Help topic 12 is not installed")));
    }
};

ORMANE_QTEST_MAIN(PlatformServicesTest)
#include "platform_services_test.moc"
