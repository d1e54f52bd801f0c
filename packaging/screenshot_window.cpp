// screenshot_window: opens the calculator window as a person sees it at start-up (settings
// from the usual per-user file, the default example computed), lets it lay out and paint,
// ticks every result (psrep, ppreprep, interval estimates, prediction intervals) as a person
// would click them, and saves the window, menu bar included, as a PNG. scripts/screenshots.sh
// runs it on Qt's offscreen platform for the README's pictures. With --kprime it opens the
// K-prime dialog from its button instead, adds two lines to its list (a limit, then a
// probability) and saves the dialog.
// Usage: screenshot_window [--kprime] <output.png>
#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "app/application_identity.h"
#include "app/window_program.h"
#include "program/program.h"
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
    const bool kprime = argc == 3 && std::strcmp(argv[1], "--kprime") == 0;
    if (argc != 2 && !kprime) return fail("usage: screenshot_window [--kprime] <output.png>");
    const char* output = argv[argc - 1];
    QApplication application(argc, argv);
    ormane::app::identifyApplication();

    ormane::app::WindowProgram program;
    program.start();
    QWidget* window = program.mainWindow();
    ormane::window::FeuilleOrmane* form = program.mainForm();
    if (window == nullptr || form == nullptr) return fail("the calculator window did not open");
    using ormane::window::UserActions;
    if (kprime) {
        UserActions::click(form->commandButton("BoutonKprime"));
        ormane::FeuilleKprime* dialog = program.programme().feuilleKprime().existing();
        if (dialog == nullptr) return fail("the K-prime dialog did not open");
        UserActions::click(dialog->commandButton("BoutonAjouter"));
        UserActions::type(dialog->textBox("TexteProbabilite"), "0.975");
        UserActions::click(dialog->commandButton("BoutonAjouter"));
        for (int round = 0; round < 20; ++round) QApplication::processEvents();
        window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top != program.mainWindow()) window = top;
        }
        if (window == nullptr) return fail("the K-prime dialog has no window");
    } else {
        UserActions::click(form->checkBox("CasePsrep"));
        UserActions::click(form->checkBox("CasePreprep"));
        UserActions::click(form->checkBox("OptionIC", 0));
        UserActions::click(form->checkBox("OptionIC", 1));
    }
    // The layout, the computation's label updates and the paint are all queued events.
    for (int round = 0; round < 20; ++round) QApplication::processEvents();

    const QPixmap picture = window->grab();
    if (picture.width() < kSmallestWidth || picture.height() < kSmallestHeight) {
        return fail("the window has no usable size");
    }
    if (!picture.save(QString::fromLocal8Bit(output), "PNG")) {
        return fail("cannot write the picture");
    }
    std::printf("%s: %d x %d\n", output, picture.width(), picture.height());
    return 0;
}
