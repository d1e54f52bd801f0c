// main() of a widget test program: one QApplication for the whole program, Qt's test mode
// for standard paths and a temporary XDG_CONFIG_HOME, so that no test reads or writes a
// person's settings.
#pragma once

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#define ORMANE_QTEST_MAIN(TestClass)                                         \
    int main(int argc, char** argv) {                                        \
        QTemporaryDir configuration;                                         \
        qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());           \
        QStandardPaths::setTestModeEnabled(true);                            \
        QApplication application(argc, argv);                                \
        QApplication::setApplicationName(QStringLiteral("ormane-qt-tests")); \
        TestClass test;                                                      \
        return QTest::qExec(&test, argc, argv);                              \
    }

namespace ormane::qt::testing {

// A file of tests/qt/data, without its last line end.
inline QString dataFile(const char* name) {
    QFile file(QStringLiteral(QT_TEST_DATA_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).chopped(1)
                                          : QString();
}

}  // namespace ormane::qt::testing
