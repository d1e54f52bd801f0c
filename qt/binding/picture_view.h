// Pictures: the image the model names in the control's presentation ("ormane-about"),
// drawn from the program's SVG resources at whatever size the layout gives, crisp at any
// scale. A left click goes to the model as UserActions::click.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

#include "qt/binding/control_view.h"
#include "window/model/picture.h"

namespace ormane::qt {

// The resource path of a named image: its name without folder or extension, looked up
// among the program's icons (":/ormane/icons/<name>.svg"); empty when there is none.
QString imageResource(std::string_view imageName);

class SvgPicture : public QWidget {
  public:
    explicit SvgPicture(const QString& resource);
    bool hasImage() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer renderer_;
};

class PictureView : public ControlView {
  public:
    PictureView(FormBinding& binding, window::Picture& picture);
    QWidget* widget() const override { return svg_; }

  protected:
    void showProperty(window::Property) override {}
    void showEverything() override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    window::Picture& picture_;
    SvgPicture* svg_;
};

}  // namespace ormane::qt
