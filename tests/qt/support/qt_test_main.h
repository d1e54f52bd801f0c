// main() of a widget test program: one QApplication for the whole program, Qt's test mode
// for standard paths and a temporary XDG_CONFIG_HOME, so that no test reads or writes a
// person's settings.
#pragma once

#include <QApplication>
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
