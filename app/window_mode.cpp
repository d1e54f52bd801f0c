#include "app/window_mode.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/application_identity.h"
#include "app/display_check.h"
#include "app/window_program.h"

namespace ormane::app {

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// While Qt starts, a platform that cannot open (a DISPLAY that does not answer) is fatal
// for Qt: say so plainly and leave with 1, before Qt aborts the process.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg) {
        if (qtDefaultHandler != nullptr) qtDefaultHandler(type, context, message);
        return;
    }
    QString firstLine = message.section(u'\n', 0, 0).trimmed();
    std::string problem = "the window system did not start: " + firstLine.toStdString();
    std::fputs(noDisplayMessage(problem).c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int runWindow(int argc, char** argv) {
    if (auto problem = displayProblem(currentDisplayEnvironment())) {
        std::fputs(noDisplayMessage(*problem).c_str(), stderr);
        return 1;
    }
    qtDefaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtDefaultHandler);
    identifyApplication();

    WindowProgram program;
    program.start();
    return QApplication::exec();
}

}  // namespace ormane::app
