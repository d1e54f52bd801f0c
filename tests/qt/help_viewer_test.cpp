// The help window: topics by number from the pages beside the program, the "topic not
// found" page of the right language with the number asked for, links between pages.
#include <QDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "qt/platform/help_window.h"
#include "qt/platform/qt_help_viewer.h"
#include "support/qt_test_main.h"
#include "support/tidiness.h"

using ormane::qt::QtHelpViewer;
namespace qt = ormane::qt;

class HelpViewerTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QtHelpViewer> viewer_;

    QTextBrowser& browser() { return viewer_->window()->browser(); }
    QString shownPage() {
        QString page = browser().source().toLocalFile();
        return QDir(viewer_->helpFolder()).relativeFilePath(page);
    }
    QString shownText() { return browser().toPlainText(); }

  private slots:
    void init() {
        // A page or style sheet the browser cannot find is a failure here.
        QTest::failOnWarning(
            QRegularExpression(QStringLiteral("^ormane:|QTextBrowser|No document")));
        viewer_ = std::make_unique<QtHelpViewer>();
    }
    void cleanup() { viewer_.reset(); }

    void thePagesAreFoundBesideTheProgram() {
        QCOMPARE(viewer_->helpFolder(), QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                        QStringLiteral("/../share/ormane/help")));
        QVERIFY(QFileInfo::exists(viewer_->helpFolder() + QStringLiteral("/en/12.html")));
    }

    void eachTopicOpensItsPage_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("use, English") << 12 << "en/12.html"
                                      << "Ormane – Use";
        QTest::newRow("use, French") << 2 << "fr/2.html"
                                     << "Ormane – Utilisation";
        QTest::newRow("background, French") << 1 << "fr/1.html"
                                            << "";
        QTest::newRow("K-prime, English") << 13 << "en/13.html"
                                          << "";
        QTest::newRow("web, French") << 5 << "fr/5.html"
                                     << "";
        QTest::newRow("bibliography") << 22 << "22.html"
                                      << "";
    }
    void eachTopicOpensItsPage() {
        QFETCH(int, topic);
        QFETCH(QString, page);
        QFETCH(QString, title);
        viewer_->openTopic(topic);
        QVERIFY(viewer_->window() != nullptr);
        QVERIFY(viewer_->window()->isVisible());
        QVERIFY(!viewer_->window()->isModal());
        QCOMPARE(shownPage(), page);
        QVERIFY(!browser().documentTitle().isEmpty());
        if (!title.isEmpty()) QCOMPARE(browser().documentTitle(), title);
        QCOMPARE(viewer_->window()->windowTitle(), browser().documentTitle());
        QVERIFY(shownText().size() > 200);
        qt::testing::saveScreenshot(*viewer_->window(), QStringLiteral("help-%1").arg(topic));
    }

    void aMissingTopicShowsTheNotFoundPageOfItsLanguage_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("says");
        QTest::newRow("French 7") << 7 << "not-found-fr.html"
                                  << "numéro 7 n’existe pas";
        QTest::newRow("English 14") << 14 << "not-found-en.html"
                                    << "number 14 does not exist";
        QTest::newRow("other 40") << 40 << "not-found-en.html"
                                  << "number 40 does not exist";
        QTest::newRow("negative") << -3 << "not-found-en.html"
                                  << "number -3 does not exist";
    }
    void aMissingTopicShowsTheNotFoundPageOfItsLanguage() {
        QFETCH(int, topic);
        QFETCH(QString, page);
        QFETCH(QString, says);
        viewer_->openTopic(topic);
        QCOMPARE(shownPage(), page);
        QVERIFY2(shownText().contains(says), qPrintable(shownText()));
        QVERIFY(!shownText().contains(QStringLiteral("%1")));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void twoMissingTopicsInARowShowTheirOwnNumbers() {
        viewer_->openTopic(16);
        viewer_->openTopic(17);
        QVERIFY(shownText().contains(QStringLiteral("number 17")));
    }

    void linksLeadToOtherPages() {
        viewer_->openTopic(12);
        QVERIFY(QTest::qWaitForWindowActive(viewer_->window()));
        browser().setFocus();
        // The first link of the page, Tab to it and Enter as a person would.
        QTest::keyClick(&browser(), Qt::Key_Tab);
        QTest::keyClick(&browser(), Qt::Key_Return);
        QCOMPARE(shownPage(), QStringLiteral("en/11.html"));
    }

    void theNotFoundPagesLinksLeadToTheTopics() {
        viewer_->openTopic(19);
        QVERIFY(QTest::qWaitForWindowActive(viewer_->window()));
        browser().setFocus();
        QTest::keyClick(&browser(), Qt::Key_Tab);
        QTest::keyClick(&browser(), Qt::Key_Return);
        QCOMPARE(shownPage(), QStringLiteral("en/11.html"));
    }

    void oneWindowServesEveryTopic() {
        viewer_->openTopic(12);
        auto* first = viewer_->window();
        viewer_->openTopic(2);
        QCOMPARE(viewer_->window(), first);
        QCOMPARE(shownPage(), QStringLiteral("fr/2.html"));
    }

    void withoutAnyPageItStillSaysWhichTopicIsMissing() {
        QTemporaryDir empty;
        viewer_ = std::make_unique<QtHelpViewer>(empty.path());
        viewer_->openTopic(12);
        QVERIFY(viewer_->window()->isVisible());
        QVERIFY(shownText().contains(QStringLiteral("Help topic 12 is not installed")));
    }
};

ORMANE_QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
