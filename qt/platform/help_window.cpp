#include "qt/platform/help_window.h"

#include "qt/resources/icons.h"

#include <QFile>
#include <QIcon>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace ormane::qt {

namespace {

// What shows when even the "topic not found" page is missing.
constexpr const char* kNoHelpPage =
    "<html><head><title>Ormane</title></head><body><h1>Ormane</h1>"
    "<p>Help topic %1 is not installed.</p><p>Rubrique d'aide %1 non installée.</p>"
    "</body></html>";

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(true);
    setObjectName(QStringLiteral("ormane-help-browser"));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QUrlQuery query(name);
    if (type != QTextDocument::HtmlResource || !query.hasQueryItem(QStringLiteral("topic"))) {
        return QTextBrowser::loadResource(type, name);
    }
    QString topic = query.queryItemValue(QStringLiteral("topic")).toHtmlEscaped();
    QFile page(name.toLocalFile());
    QString html = page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll())
                                                  : QString::fromUtf8(kNoHelpPage);
    return html.replace(QStringLiteral("%1"), topic);
}

HelpWindow::HelpWindow() : browser_(new HelpBrowser(this)) {
    registerIcons();
    setObjectName(QStringLiteral("ormane-help"));
    setWindowIcon(applicationIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    QObject::connect(browser_, &QTextBrowser::sourceChanged, this,
                     [this] { setWindowTitle(browser_->documentTitle()); });
    QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 100, metrics.lineSpacing() * 40);
}

void HelpWindow::open(const QUrl& page) {
    browser_->setSource(page, QTextDocument::HtmlResource);
    setWindowTitle(browser_->documentTitle());
    show();
    raise();
    activateWindow();
}

}  // namespace ormane::qt
