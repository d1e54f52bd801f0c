// The per-user settings store as INI files written by QSettings: application "ormane"
// keeps its settings in <configuration folder>/ormane/ormane.ini (~/.config/ormane/
// ormane.ini by default), one [section] per section. QSettings quotes and escapes every
// text, so whatever the person typed round-trips and cannot break the file or other keys.
// A file that cannot be read, or a path that is not a regular file (a FIFO, a device),
// reads as empty and is never written; a write that cannot be saved is lost silently.
#pragma once

#include <QString>

#include "window/platform/settings_store.h"

namespace ormane::qt {

class QtSettingsStore : public platform::SettingsStore {
  public:
    // `configurationFolder` empty: the user's configuration folder (XDG_CONFIG_HOME).
    explicit QtSettingsStore(QString configurationFolder = {});

    std::optional<std::string> read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;

    // The file that holds the application's settings.
    QString filePath(std::string_view application) const;

  private:
    QString folder_;
};

}  // namespace ormane::qt
