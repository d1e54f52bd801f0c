#include "qt/platform/qt_help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>

#include "qt/platform/help_window.h"

namespace ormane::qt {

namespace {

QString installedHelpFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/ormane/help"));
}

// The page of a topic, relative to the help folder.
QString topicPage(std::int32_t topic) {
    if (topic >= 1 && topic <= 9) return QStringLiteral("fr/%1.html").arg(topic);
    if (topic >= 11 && topic <= 19) return QStringLiteral("en/%1.html").arg(topic);
    if (topic == 22) return QStringLiteral("22.html");
    return {};
}

}  // namespace

QtHelpViewer::QtHelpViewer(QString helpFolder)
    : folder_(QDir::cleanPath(helpFolder.isEmpty() ? installedHelpFolder() : helpFolder)) {}

QtHelpViewer::~QtHelpViewer() = default;

QUrl QtHelpViewer::pageOf(std::int32_t topic) const {
    QDir folder(folder_);
    QString page = topicPage(topic);
    if (!page.isEmpty() && QFileInfo(folder.filePath(page)).isFile()) {
        return QUrl::fromLocalFile(folder.filePath(page));
    }
    bool french = topic >= 1 && topic <= 9;
    QUrl notFound = QUrl::fromLocalFile(folder.filePath(
        french ? QStringLiteral("not-found-fr.html") : QStringLiteral("not-found-en.html")));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("topic"), QString::number(topic));
    notFound.setQuery(query);
    return notFound;
}

void QtHelpViewer::openTopic(std::int32_t topic) {
    if (!window_) window_ = std::make_unique<HelpWindow>();
    window_->open(pageOf(topic));
}

}  // namespace ormane::qt
