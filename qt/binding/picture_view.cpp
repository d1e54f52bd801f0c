#include "qt/binding/picture_view.h"

#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

#include "qt/text/qt_text.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

QString imageResource(std::string_view imageName) {
    QString base = QFileInfo(toQString(imageName)).completeBaseName();
    if (base.isEmpty()) return {};
    QString path = QStringLiteral(":/ormane/icons/%1.svg").arg(base);
    return QFile::exists(path) ? path : QString();
}

SvgPicture::SvgPicture(const QString& resource) {
    if (!resource.isEmpty()) renderer_.load(resource);
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

bool SvgPicture::hasImage() const {
    return renderer_.isValid();
}

QSize SvgPicture::sizeHint() const {
    return hasImage() ? renderer_.defaultSize() : QSize(32, 32);
}

void SvgPicture::paintEvent(QPaintEvent*) {
    if (!hasImage()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, rect());
}

PictureView::PictureView(FormBinding& binding, window::Picture& picture)
    : ControlView(binding, picture),
      picture_(picture),
      svg_(new SvgPicture(imageResource(picture.presentation().image))) {
    svg_->setAccessibleName(QString::fromStdString(picture.displayName()));
    svg_->installEventFilter(this);
}

bool PictureView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == svg_ && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            svg_->rect().contains(mouse->position().toPoint())) {
            forward([this] { return window::UserActions::click(picture_); });
        }
        return false;
    }
    return ControlView::eventFilter(watched, event);
}

}  // namespace ormane::qt
