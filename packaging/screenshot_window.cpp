// screenshot_window: opens the calculator window as a person sees it at start-up (settings
// from the usual per-user file, the default example computed), lets it lay out and paint,
// ticks every result (psrep, ppreprep, interval estimates, prediction intervals) as a person
// would click them, and saves the window, menu bar included, as a PNG. scripts/screenshots.sh
// runs it on Qt's offscreen platform for the README's pictures.
// Usage: screenshot_window <output.png>
#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdio>

#include "app/application_identity.h"
#include "app/window_program.h"
#include "window/design/feuille_ormane.h"
#include "window/model/user_actions.h"

namespace {

// Below this the window was not laid out: a picture of it would mislead.
constexpr int kSmallestWidth = 300;
constexpr int kSmallestHeight = 200;

int fail(const char* message) {
    std::fprintf(stderr, "screenshot_window: %s\n", message);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return fail("usage: screenshot_window <output.png>");
    QApplication application(argc, argv);
    ormane::app::identifyApplication();

    ormane::app::WindowProgram program;
    program.start();
    QWidget* window = program.mainWindow();
    ormane::window::FeuilleOrmane* form = program.mainForm();
    if (window == nullptr || form == nullptr) return fail("the calculator window did not open");
    using ormane::window::UserActions;
    UserActions::click(form->checkBox("CasePsrep"));
    UserActions::click(form->checkBox("CasePreprep"));
    UserActions::click(form->checkBox("OptionIC", 0));
    UserActions::click(form->checkBox("OptionIC", 1));
    // The layout, the computation's label updates and the paint are all queued events.
    for (int round = 0; round < 20; ++round) QApplication::processEvents();

    const QPixmap picture = window->grab();
    if (picture.width() < kSmallestWidth || picture.height() < kSmallestHeight) {
        return fail("the window has no usable size");
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        return fail("cannot write the picture");
    }
    std::printf("%s: %d x %d\n", argv[1], picture.width(), picture.height());
    return 0;
}
