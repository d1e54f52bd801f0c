// Checks that a window shows all its text: every visible label, button, frame title and
// entry is at least as large as it needs to be and lies inside its parent. Returns one line
// per problem (empty: tidy). Also saves a picture of the window for a person to look at.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ormane::qt::testing {

QStringList clippedWidgets(const QWidget& window);

// Lets the window system finish resizing the window (on some platforms a resize arrives
// later as an event): returns once its size has stayed the same for a few turns.
void settle(QWidget& window);

// Saves window.grab() as <folder>/<name>.png when ORMANE_SCREENSHOT_DIR names a folder.
void saveScreenshot(QWidget& window, const QString& name);

}  // namespace ormane::qt::testing
