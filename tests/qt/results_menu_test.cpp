// The Results menu in real widgets, reached by its access keys in both languages: the
// report and the results on the clipboard, the files saved through the real save dialog
// (typed into as a person types), and what a screen reader is told of each item.
#include <QAccessible>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/qt_test_main.h"
#include "support/window_test.h"

using namespace ormane;
using qt::testing::tick;

namespace {

// Runs `act` on the next modal widget of type W once it is up (polling, since it may open
// after the key that asks for it has been handled); gives up after two seconds. The
// application owns the poll, so that one still waiting when the test ends (no box opened,
// as when the status line confirms) goes with it.
template <class W>
void whenModalOpens(std::function<void(W&)> act) {
    auto* poll = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
        auto* shown = qobject_cast<W*>(QApplication::activeModalWidget());
        if (shown == nullptr && ++*tries < 200) return;
        poll->stop();
        poll->deleteLater();
        if (shown != nullptr) act(*shown);
    });
    poll->start();
}

}  // namespace

class ResultsMenuTest : public qt::testing::WindowTest {
    Q_OBJECT

  private:
    QString message_;

    // Opens the Results menu by its access key, as a person does.
    QMenu* openResultsMenu(Qt::Key key) {
        w_->window()->activateWindow();
        if (!QTest::qWaitForWindowActive(w_->window())) return nullptr;
        QTest::keyClick(w_->window(), key, Qt::AltModifier);
        if (!QTest::qWaitFor(
                [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
                2000))
            return nullptr;
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    // Opens the menu and presses an item's key; the message that follows is read and closed.
    void chooseInResultsMenu(Qt::Key menuKey, Qt::Key itemKey) {
        message_.clear();
        QMenu* menu = openResultsMenu(menuKey);
        QVERIFY(menu != nullptr);
        whenModalOpens<QMessageBox>([this](QMessageBox& box) {
            message_ = box.text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QTest::keyClick(menu, itemKey);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }
    void showEveryProbabilityAndTheIntervals() {
        tick(control("CasePsrep"));
        tick(control("CasePreprep"));
        tick(control("OptionIC", 1));
        QVERIFY(F().checkBox("CasePsrep").value() != 0 && F().checkBox("OptionIC", 1).value() != 0);
    }
    // Saves through the real dialog, typing `name` into its file name box.
    QByteArray saveAs(Qt::Key menuKey, const QString& name, QString* saved) {
        bool typed = false;
        whenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (edit == nullptr) return dialog.reject();
            // The dialog lists its folder in the background: let it settle first.
            dialog.activateWindow();
            (void)QTest::qWaitForWindowActive(&dialog);
            QTest::qWait(200);
            QTest::mouseClick(edit, Qt::LeftButton);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, name);
            typed = true;
            auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QPushButton* save = box ? box->button(QDialogButtonBox::Save) : nullptr;
            if (save == nullptr) return dialog.reject();
            QTest::mouseClick(save, Qt::LeftButton);
            // Never left hanging: a dialog that did not take the name fails the test.
            if (dialog.isVisible()) {
                typed = false;
                dialog.reject();
            }
        });
        QMenu* menu = openResultsMenu(menuKey);
        if (menu == nullptr) return {};
        QTest::keyClick(menu, menuKey == Qt::Key_E ? Qt::Key_S : Qt::Key_E);
        if (!typed) return {};
        QFile file(*saved);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }

  private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { w_.reset(); }

    // Its captions in both languages are the program's (tests/program/data/captions.tsv).
    void theMenuSitsAfterTheCopyCommandAndAScreenReaderHearsItsItemsWithoutMarks() {
        QStringList bar;
        for (QAction* menu : w_->window()->findChild<QMenuBar*>()->actions()) bar << menu->text();
        QCOMPARE(bar.indexOf(action("MenuResultats")->text()), 2);
        QMenu* menu = openResultsMenu(Qt::Key_E);
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->menuAction()->text(), QStringLiteral("R&esults"));
        QStringList items, spoken;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < accessible->childCount(); ++i)
            spoken << accessible->child(i)->text(QAccessible::Name);
        for (QAction* item : menu->actions()) items << item->text().remove(u'&');
        QTest::keyClick(menu, Qt::Key_Escape);
        QCOMPARE(items, (QStringList{"Copy results", "Save results...", "Copy the report"}));
        QCOMPARE(spoken, items);
    }

    // The sentences expected are in data/report-*.txt (the French one with its no-break
    // spaces before the punctuation).
    void theReportKeyCopiesTheSentenceInEachLanguage() {
        showEveryProbabilityAndTheIntervals();
        chooseInResultsMenu(Qt::Key_E, Qt::Key_R);
        const QString english = qt::testing::dataFile("report-en.txt");
        QCOMPARE(QGuiApplication::clipboard()->text(), english);
        // The status line says so; no box has to be closed.
        QCOMPARE(message_, QString());
        QCOMPARE(control<QLabel>("EtiEtat")->text(),
                 QStringLiteral("The report sentence has been copied to the clipboard."));
        w_->action(F().menuItem("MenuLangue", 1))->trigger();
        chooseInResultsMenu(Qt::Key_T, Qt::Key_R);
        QCOMPARE(QGuiApplication::clipboard()->text(), qt::testing::dataFile("report-fr.txt"));
        QVERIFY(control<QLabel>("EtiEtat")->text().startsWith(
            QStringLiteral("La phrase de rapport a été copiée")));
        QCOMPARE(message_, QString());
    }

    // The text expected is in data/copy-en.txt: the entries the results depend on, then each
    // label shown under its caption, in plain words.
    void theCopyKeyCopiesTheEntriesAndTheResultsAsTheLabelsRead() {
        showEveryProbabilityAndTheIntervals();
        tick(control("OptionIC", 0));
        tick(control("OptionAlpha", 1));
        QTRY_VERIFY(control<QLabel>("EtiIC", 0)->isVisible());
        chooseInResultsMenu(Qt::Key_E, Qt::Key_C);
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, qt::testing::dataFile("copy-en.txt") + u'\n');
        QVERIFY(copied.contains(control<QLabel>("EtiPrep")->text().trimmed()));
        QCOMPARE(message_, QString());
        QCOMPARE(control<QLabel>("EtiEtat")->text(),
                 QStringLiteral(
                     "The results on show and their entries have been copied to the clipboard."));
    }

    // A name typed without an extension takes the first format's (CSV); one typed with
    // ".json" is saved as JSON. Both read back as the results the window keeps.
    void theSaveKeyWritesCsvOrJsonThroughTheDialog() {
        showEveryProbabilityAndTheIntervals();
        QTemporaryDir folder;
        QString csvPath = folder.filePath(QStringLiteral("results.csv"));
        const QByteArray csv =
            saveAs(Qt::Key_E, folder.filePath(QStringLiteral("results")), &csvPath);
        const QList<QByteArray> rows = csv.trimmed().split('\n');
        QCOMPARE(rows.size(), 2);
        const QList<QByteArray> header = rows[0].split(','), cells = rows[1].split(',');
        QCOMPARE(header.size(), cells.size());
        const ResultatsConserves& kept = w_->programme().module().resultats;
        QCOMPARE(cells[header.indexOf("prep")].toDouble(), *kept.valeur(Resultat::Prep));
        QCOMPARE(cells[header.indexOf("p2")], QByteArray("0.30"));

        w_->action(F().menuItem("MenuLangue", 1))->trigger();
        QString jsonPath = folder.filePath(QStringLiteral("results.json"));
        const QJsonObject json =
            QJsonDocument::fromJson(saveAs(Qt::Key_T, jsonPath, &jsonPath)).object();
        QCOMPARE(json.value("prep").toDouble(), *kept.valeur(Resultat::Prep));
        QCOMPARE(json.value("psrep").toDouble(), *kept.valeur(Resultat::Psrep));
        QCOMPARE(json.value("labels").toObject().value("prep").toString(),
                 control<QLabel>("EtiPrep")->text());
    }
};

ORMANE_QTEST_MAIN(ResultsMenuTest)
#include "results_menu_test.moc"
