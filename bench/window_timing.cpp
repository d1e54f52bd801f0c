// How fast the calculator window is for a person: the time from starting the program to
// its first painted, computed window, and from a keystroke in an entry to the repainted
// result labels. Not a test: run it by hand (see bench/README.md).
//
//   window_timing [--starts N] [--keys N]
//
// Start-up: the program starts itself N times as a fresh process (every library loaded,
// Qt started, the window built and its load computing the default example) and reports the
// time from just before the process starts to the main window's first paint. Keystrokes:
// in one window, N key presses typed into the two-tailed p box (the statistic that is
// selected: one computation at the key's release) and N typed alternately into the t and
// two-tailed p boxes (each one selects its statistic: two computations), each timed from
// the key press to the end of the repaint it caused.
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/window_program.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kStartVariable = "ORMANE_TIMING_START_NS";

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

struct Summary {
    double median, lowest, highest;
};

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

void report(const char* what, const std::vector<double>& milliseconds) {
    Summary s = summarise(milliseconds);
    std::printf("%-58s median %8.2f ms  (min %.2f, max %.2f, n = %zu)\n", what, s.median, s.lowest,
                s.highest, milliseconds.size());
}

// Notes the end of the main window's first paint (its own paint comes last, after the
// widgets it holds have painted into the same frame).
class FirstPaint : public QObject {
  public:
    bool painted = false;
    long long whenNs = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted &&
            watched->objectName() == QLatin1String("FeuilleOrmane")) {
            painted = true;
            whenNs = nowNs();
        }
        return QObject::eventFilter(watched, event);
    }
};

// The child of a start-up run: start the calculator, wait for its first paint, print the
// time since the parent started this process.
int childStart(int argc, char** argv) {
    const char* start = std::getenv(kStartVariable);
    if (start == nullptr) return 2;
    QApplication application(argc, argv);
    ormane::app::WindowProgram program;
    FirstPaint paint;
    application.installEventFilter(&paint);
    program.start();
    while (!paint.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%lld\n", paint.whenNs - std::atoll(start));
    return 0;
}

double oneStart(const char* self) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    long long before = nowNs();
    pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        setenv(kStartVariable, std::to_string(before).c_str(), 1);
        execl(self, self, "--child-start", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char buffer[64] = {};
    ssize_t got = read(pipeEnds[0], buffer, sizeof buffer - 1);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::atoll(buffer) / 1e6;
}

QLineEdit* entry(QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// One keystroke into `box`, from the press to the end of the repaint it caused.
double oneKeystroke(QLineEdit& box, Qt::Key key) {
    long long before = nowNs();
    QTest::keyClick(&box, key, Qt::NoModifier);
    QCoreApplication::processEvents();  // the repaint of the labels that changed
    return (nowNs() - before) / 1e6;
}

int keystrokes(int argc, char** argv, int count) {
    QApplication application(argc, argv);
    ormane::app::WindowProgram program;
    program.start();
    QWidget* window = program.mainWindow();
    if (window == nullptr || !QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "window_timing: the window did not show\n");
        return 1;
    }
    QLineEdit* pBox = entry(*window, "Textet(3)");
    QLineEdit* tBox = entry(*window, "Textet(1)");
    if (pBox == nullptr || tBox == nullptr) return 1;

    std::vector<double> selected;
    // The box selects its whole text when it gets the focus: type at its end instead.
    pBox->setFocus();
    QCoreApplication::processEvents();
    pBox->end(false);
    for (int i = 0; i < count; ++i) {
        // "0.30" -> "0.301" -> "0.30" ...: the box keeps a valid p.
        bool add = i % 2 == 0;
        selected.push_back(oneKeystroke(*pBox, add ? Qt::Key_1 : Qt::Key_Backspace));
    }
    std::vector<double> switching;
    for (int i = 0; i < count; ++i) {
        QLineEdit& box = i % 2 == 0 ? *tBox : *pBox;
        box.setFocus();
        QCoreApplication::processEvents();
        box.end(false);
        // A digit typed at the end, then taken back in the next round on the same box.
        bool add = (i / 2) % 2 == 0;
        switching.push_back(oneKeystroke(box, add ? Qt::Key_1 : Qt::Key_Backspace));
    }
    report("keystroke in the selected statistic's box", selected);
    report("keystroke selecting another statistic (t <-> two-tailed p)", switching);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child-start") == 0) return childStart(argc, argv);
    int starts = 15;
    int keys = 200;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--starts") == 0) starts = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--keys") == 0) keys = std::atoi(argv[i + 1]);
    }
    if (starts < 1 || keys < 1) {
        std::fprintf(stderr, "usage: window_timing [--starts N] [--keys N]\n");
        return 2;
    }
    std::printf("Qt platform: %s\n", std::getenv("QT_QPA_PLATFORM") != nullptr
                                         ? std::getenv("QT_QPA_PLATFORM")
                                         : "(default)");
    std::vector<double> startTimes;
    for (int i = 0; i < starts; ++i) {
        double milliseconds = oneStart("/proc/self/exe");
        if (milliseconds < 0) {
            std::fprintf(stderr, "window_timing: a start-up run failed\n");
            return 1;
        }
        startTimes.push_back(milliseconds);
    }
    report("start-up to the first painted, computed window", startTimes);
    return keystrokes(argc, argv, keys);
}
