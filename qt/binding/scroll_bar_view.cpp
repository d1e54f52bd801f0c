#include "qt/binding/scroll_bar_view.h"

#include <QSignalBlocker>
#include <cstdlib>

#include "qt/binding/accessible_widgets.h"
#include "window/model/user_actions.h"

namespace ormane::qt {

using window::Property;
using window::ScrollStep;
using window::UserActions;

ScrollBarView::ScrollBarView(FormBinding& binding, window::ScrollBar& bar)
    : ControlView(binding, bar), bar_(bar), scrollBar_(new QScrollBar(Qt::Vertical)) {
    scrollBar_->setFocusPolicy(Qt::StrongFocus);
    // Its position counts from the model's top value: tools must hear the model's value.
    announceModelValue(*scrollBar_, bar_.topValue(), bar_.bottomValue());
    QObject::connect(scrollBar_, &QScrollBar::actionTriggered, this,
                     [this](int action) { actionTriggered(action); });
    QObject::connect(scrollBar_, &QScrollBar::sliderReleased, this,
                     [this] { forward([this] { return UserActions::releaseThumb(bar_); }); });
    watchFocus(scrollBar_);
}

int ScrollBarView::positionOf(std::int16_t value) const {
    return std::abs(static_cast<int>(value) - bar_.topValue());
}

std::int16_t ScrollBarView::valueAt(int position) const {
    int direction = bar_.bottomValue() >= bar_.topValue() ? 1 : -1;
    return static_cast<std::int16_t>(bar_.topValue() + direction * position);
}

void ScrollBarView::actionTriggered(int action) {
    // Qt has moved its slider position already and will show it: the model decides.
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            forward([this] { return UserActions::scroll(bar_, ScrollStep::LineUp); });
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            forward([this] { return UserActions::scroll(bar_, ScrollStep::LineDown); });
            break;
        case QAbstractSlider::SliderPageStepSub:
            forward([this] { return UserActions::scroll(bar_, ScrollStep::PageUp); });
            break;
        case QAbstractSlider::SliderPageStepAdd:
            forward([this] { return UserActions::scroll(bar_, ScrollStep::PageDown); });
            break;
        case QAbstractSlider::SliderToMinimum:
            forward([this] { return UserActions::scrollTo(bar_, bar_.topValue()); });
            break;
        case QAbstractSlider::SliderToMaximum:
            forward([this] { return UserActions::scrollTo(bar_, bar_.bottomValue()); });
            break;
        case QAbstractSlider::SliderMove: {
            std::int16_t value = valueAt(scrollBar_->sliderPosition());
            if (scrollBar_->isSliderDown()) {
                forward([this, value] { return UserActions::dragThumb(bar_, value); });
            } else {
                forward([this, value] { return UserActions::scrollTo(bar_, value); });
            }
            break;
        }
        default:
            break;
    }
    scrollBar_->setSliderPosition(positionOf(bar_.value()));
}

void ScrollBarView::showProperty(Property property) {
    if (property != Property::Value) return;
    QSignalBlocker block(scrollBar_);
    scrollBar_->setValue(positionOf(bar_.value()));
}

void ScrollBarView::showEverything() {
    QSignalBlocker block(scrollBar_);
    announceModelValue(*scrollBar_, bar_.topValue(), bar_.bottomValue());
    scrollBar_->setRange(0, std::abs(bar_.bottomValue() - bar_.topValue()));
    scrollBar_->setSingleStep(bar_.smallChange());
    scrollBar_->setPageStep(bar_.largeChange());
    scrollBar_->setValue(positionOf(bar_.value()));
}

}  // namespace ormane::qt
