// The end of the program with Qt: every window closes, the modal loop that was running
// returns, and nothing more is handled. Alone in its program: once Qt is told to quit, no
// event loop runs again in this process.
#include <QPushButton>
#include <QtTest>

#include "qt/platform/help_window.h"
#include "qt/platform/qt_platform.h"
#include "support/qt_test_main.h"
#include "window/model/controls.h"
#include "window/model/form.h"
#include "window/model/session.h"
#include "window/model/user_actions.h"

using namespace ormane;

class ProgramEndTest : public QObject {
    Q_OBJECT

  private slots:
    void endingTheProgramClosesEveryWindowAndStopsTheModalLoop() {
        qt::QtPlatform platform;
        window::Session session(platform.services());
        window::Form main(session, "Principal");
        main.add<window::CommandButton>("Bouton").setCaption("&Go");
        window::Form dialog(session, "Dialogue");
        dialog.add<window::CommandButton>("Fin").setCaption("&Fin");
        int clicksAfterEnd = 0;
        dialog.on("Fin", window::Notification::Click,
                  [&session](const window::Event&) { session.endProgram(); });
        main.on("Bouton", window::Notification::Click,
                [&clicksAfterEnd](const window::Event&) { ++clicksAfterEnd; });
        main.show();
        platform.help.openTopic(12);
        QVERIFY(platform.help.window()->isVisible());
        QPointer<QWidget> mainWindow = platform.windows.windowOf(main);

        QTimer::singleShot(0, [&] {
            QTest::mouseClick(
                platform.windows.windowOf(dialog)->findChild<QPushButton*>(QStringLiteral("Fin")),
                Qt::LeftButton);
        });
        dialog.show(window::Modality::Modal);  // returns: the loop was stopped

        QVERIFY(session.ended());
        QVERIFY(main.unloaded());
        QVERIFY(dialog.unloaded());
        QVERIFY(!platform.help.window()->isVisible());
        QVERIFY(mainWindow.isNull() || !mainWindow->isVisible());
        for (QWidget* top : QApplication::topLevelWidgets()) QVERIFY(!top->isVisible());
        QVERIFY(!window::UserActions::click(main.commandButton("Bouton")));
        QCOMPARE(clicksAfterEnd, 0);
        platform.windows.detachAll();
    }
};

ORMANE_QTEST_MAIN(ProgramEndTest)
#include "program_end_test.moc"
