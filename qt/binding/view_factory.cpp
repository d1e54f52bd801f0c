#include "qt/binding/view_factory.h"

#include "qt/binding/button_views.h"
#include "qt/binding/drawing_view.h"
#include "qt/binding/label_views.h"
#include "qt/binding/picture_view.h"
#include "qt/binding/scroll_bar_view.h"
#include "qt/binding/text_views.h"
#include "window/model/controls.h"

namespace ormane::qt {

std::unique_ptr<ControlView> makeView(FormBinding& binding, window::Control& control) {
    using window::Kind;
    std::unique_ptr<ControlView> view;
    switch (control.kind()) {
        case Kind::TextBox:
            view = std::make_unique<TextBoxView>(binding, static_cast<window::TextBox&>(control));
            break;
        case Kind::ComboBox:
            view = std::make_unique<ComboBoxView>(binding, static_cast<window::ComboBox&>(control));
            break;
        case Kind::OptionButton:
            view = std::make_unique<OptionButtonView>(binding,
                                                      static_cast<window::OptionButton&>(control));
            break;
        case Kind::CheckBox:
            view = std::make_unique<CheckBoxView>(binding, static_cast<window::CheckBox&>(control));
            break;
        case Kind::Label:
            view = std::make_unique<LabelView>(binding, static_cast<window::Label&>(control));
            break;
        case Kind::Frame:
            view = std::make_unique<FrameView>(binding, static_cast<window::Frame&>(control));
            break;
        case Kind::CommandButton:
            view = std::make_unique<CommandButtonView>(
                binding, static_cast<window::CommandButton&>(control));
            break;
        case Kind::VScrollBar:
            view =
                std::make_unique<ScrollBarView>(binding, static_cast<window::ScrollBar&>(control));
            break;
        case Kind::Picture:
            // A picture that names no image shows the drawing the program gives it.
            if (control.presentation().image.empty()) {
                view =
                    std::make_unique<DrawingView>(binding, static_cast<window::Picture&>(control));
            } else {
                view =
                    std::make_unique<PictureView>(binding, static_cast<window::Picture&>(control));
            }
            break;
        case Kind::MenuItem:
            return nullptr;
    }
    // Tests and accessibility tools find a control's widget by its name: "Textet(3)".
    view->focusTarget()->setObjectName(QString::fromStdString(control.displayName()));
    return view;
}

}  // namespace ormane::qt
