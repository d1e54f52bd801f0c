#include "qt/layout/arranger.h"

#include <algorithm>

#include "qt/binding/button_views.h"
#include "qt/binding/control_view.h"
#include "qt/binding/form_binding.h"
#include "qt/binding/label_views.h"
#include "window/model/form.h"

namespace ormane::qt {

Arranger::Arranger(FormBinding& binding) : binding_(binding), form_(binding.form()) {}

ControlView& Arranger::view(const std::string& name, std::optional<std::int16_t> index) {
    window::Control& control = index ? form_.control(name, *index) : form_.control(name);
    ControlView* found = binding_.view(control);
    placed_.push_back(found);
    return *found;
}

QWidget* Arranger::take(const std::string& name, std::optional<std::int16_t> index) {
    return view(name, index).widget();
}

QWidget* Arranger::keep(const std::string& name, std::optional<std::int16_t> index) {
    QWidget* shown = take(name, index);
    QSizePolicy policy = shown->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    shown->setSizePolicy(policy);
    return shown;
}

QGroupBox* Arranger::frame(const std::string& name, std::optional<std::int16_t> index) {
    return static_cast<FrameView&>(view(name, index)).groupBox();
}

QLabel* Arranger::result(const std::string& name, std::optional<std::int16_t> index,
                         const char* widest) {
    auto* label = static_cast<QLabel*>(keep(name, index));
    atLeast(label, label->fontMetrics().horizontalAdvance(QString::fromUtf8(widest)));
    QSizePolicy policy = label->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Fixed);
    label->setSizePolicy(policy);
    return label;
}

QWidget* Arranger::entry(const std::string& name, std::optional<std::int16_t> index,
                         bool keepRoom) {
    QWidget* box = keepRoom ? keep(name, index) : take(name, index);
    atLeast(box, box->fontMetrics().horizontalAdvance(QStringLiteral("-0.123456789")) +
                     box->fontMetrics().averageCharWidth() * 2);
    return box;
}

QWidget* Arranger::caption(const std::string& label, std::optional<std::int16_t> labelIndex,
                           QWidget* entry) {
    auto& shown = static_cast<LabelView&>(view(label, labelIndex));
    shown.nameEntry(entry);
    return shown.widget();
}

void Arranger::chainTabOrder() {
    QWidget* previous = nullptr;
    for (ControlView* placed : placed_) {
        if (!window::canHoldFocus(placed->control().kind())) continue;
        QWidget* target = placed->focusTarget();
        if (previous != nullptr) QWidget::setTabOrder(previous, target);
        previous = target;
    }
}

void atLeast(QWidget* widget, int width) {
    widget->setMinimumWidth(std::max(width, widget->minimumSizeHint().width()));
}

void addEntryRow(QGridLayout* grid, int row, const EntryRow& widgets) {
    grid->addWidget(widgets.caption, row, 0);
    grid->addWidget(widgets.entry, row, 1);
    if (widgets.check != nullptr) grid->addWidget(widgets.check, row, 2);
}

}  // namespace ormane::qt
