#include "app/application_identity.h"

#include <QApplication>

#include "ormane/version.h"
#include "qt/resources/icons.h"

namespace ormane::app {

void identifyApplication() {
    QApplication::setApplicationName(QString::fromLatin1(kNomExecutable));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajeure).arg(kVersionMineure).arg(kVersionRevision));
    // Every window without an icon of its own, message boxes included, takes this one.
    QApplication::setWindowIcon(qt::applicationIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryName));
}

}  // namespace ormane::app
