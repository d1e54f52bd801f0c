#include "qt/platform/qt_settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "qt/text/qt_text.h"

namespace ormane::qt {

namespace {

QString settingKey(std::string_view section, std::string_view key) {
    return toQString(section) + u'/' + toQString(key);
}

// QSettings opens whatever the path names: a FIFO would block the start until someone
// writes into it, a device would be read without end. Only a regular file (or none yet)
// is settings.
bool usable(const QString& path) {
    QFileInfo file(path);
    return !file.exists() || file.isFile();
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString configurationFolder)
    : folder_(std::move(configurationFolder)) {}

QString QtSettingsStore::filePath(std::string_view application) const {
    QString folder = folder_.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         : folder_;
    QString name = toQString(application);
    return folder + u'/' + name + u'/' + name + QStringLiteral(".ini");
}

std::optional<std::string> QtSettingsStore::read(std::string_view application,
                                                 std::string_view section, std::string_view key) {
    const QString path = filePath(application);
    if (!usable(path)) return std::nullopt;
    QSettings settings(path, QSettings::IniFormat);
    // A damaged file still gives the lines it holds; one that cannot be read gives none.
    if (settings.status() == QSettings::AccessError) return std::nullopt;
    QString name = settingKey(section, key);
    if (!settings.contains(name)) return std::nullopt;
    QVariant stored = settings.value(name);
    // A hand-edited line "A=0.05, 0.10" reads as a list: give back its text.
    if (stored.typeId() == QMetaType::QStringList) {
        return toUtf8(stored.toStringList().join(QStringLiteral(", ")));
    }
    return toUtf8(stored.toString());
}

void QtSettingsStore::write(std::string_view application, std::string_view section,
                            std::string_view key, std::string_view value) {
    const QString path = filePath(application);
    if (!usable(path)) return;
    QSettings settings(path, QSettings::IniFormat);
    // Never write over a file that could not be read: its other keys would be lost. A
    // damaged one is written again with what could be read of it.
    if (settings.status() == QSettings::AccessError) return;
    settings.setValue(settingKey(section, key), toQString(value));
    settings.sync();  // a failure (QSettings::status) loses this value, as it should
}

}  // namespace ormane::qt
