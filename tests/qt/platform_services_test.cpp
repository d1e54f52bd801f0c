// The Qt platform services on their own: the message box, the mouse pointer and the help
// window (topics by number from the pages beside the program, the "topic not found" page
// of the right language with the number asked for, links between pages).
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

    void theMessageBoxShowsItsPlainTextTitleAndOneOkWithoutIcon() {
        QString title, text;
        QList<QAbstractButton*> buttons;
        bool plainModalNoIcon = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            buttons = box->buttons();
            plainModalNoIcon = box->textFormat() == Qt::PlainText &&
                               box->windowModality() == Qt::ApplicationModal &&
                               box->icon() == QMessageBox::NoIcon;
            QTest::keyClick(box, Qt::Key_Return);
        });
        qt::QtMessageBox().show("<b>0.712</b> a été copié — α", "Ormane");
        QCOMPARE(title, QStringLiteral("Ormane"));
        QCOMPARE(text, QStringLiteral("<b>0.712</b> a été copié — α"));
        QCOMPARE(buttons.size(), 1);
        QVERIFY(plainModalNoIcon);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

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
        QTest::newRow("use, English") << 12 << "en/12.html"
                                      << "Ormane – Use";
        QTest::newRow("use, French") << 2 << "fr/2.html"
                                     << "Ormane – Utilisation";
        QTest::newRow("background, French") << 1 << "fr/1.html"
                                            << "";
        QTest::newRow("K-prime, English") << 13 << "en/13.html"
                                          << "";
        QTest::newRow("bibliography") << 22 << "22.html"
                                      << "";
        QTest::newRow("results, French") << 7 << "fr/7.html"
                                         << "Ormane – Le menu Résultats";
        QTest::newRow("French 9") << 9 << "not-found-fr.html"
                                  << "numéro 9 n’existe pas";
        QTest::newRow("K-prime calculator, English") << 14 << "en/14.html"
                                                     << "Ormane – The K-prime calculator";
        QTest::newRow("picture, English") << 16 << "en/16.html"
                                          << "Ormane – The picture of the predictive distribution";
        QTest::newRow("English 19") << 19 << "not-found-en.html"
                                    << "number 19 does not exist";
        QTest::newRow("other 40") << 40 << "not-found-en.html"
                                  << "number 40 does not exist";
        QTest::newRow("negative") << -3 << "not-found-en.html"
                                  << "number -3 does not exist";
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
