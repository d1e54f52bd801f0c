// The main window's arrangement, top to bottom: the replication choice with c and the
// future degrees of freedom, and the prediction-interval box with its level; the data
// frame on the left (degrees of freedom, the four statistics, the interval estimate, the
// observed effect on its right) beside the three interval frames; prep with the decimals
// bar at the right; psrep with alpha; ppreprep with gamma; automatic computation and
// Compute at the right; the status line across the window; the row of buttons at the
// bottom.
// Qt layouts only, so the window follows the font, the scale and the longer French
// captions. Controls the program shows and hides keep their room while hidden, so the
// window does not jump; the confidence-limits frame, last in its column, takes room only
// when shown.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "qt/binding/button_views.h"
#include "qt/binding/control_view.h"
#include "qt/binding/form_binding.h"
#include "qt/binding/label_views.h"
#include "qt/layout/form_layouts.h"
#include "window/model/form.h"

namespace ormane::qt {

namespace {

// Result texts the labels must hold without clipping at the most decimals the bar gives.
constexpr const char* kWidestProbability = " ppreprep = 0.999999999 ";
constexpr const char* kWidestInterval = " [-99.999999999 ; 99.999999999] ";

// A minimum width replaces the widget's own minimum in a layout: never go below that.
void atLeast(QWidget* widget, int width) {
    widget->setMinimumWidth(std::max(width, widget->minimumSizeHint().width()));
}

class Arranger {
  public:
    Arranger(FormBinding& binding) : binding_(binding), form_(binding.form()) {}

    ControlView& view(const std::string& name, std::optional<std::int16_t> index = std::nullopt) {
        window::Control& control = index ? form_.control(name, *index) : form_.control(name);
        ControlView* found = binding_.view(control);
        placed_.push_back(found);
        return *found;
    }
    QWidget* take(const std::string& name, std::optional<std::int16_t> index = std::nullopt) {
        return view(name, index).widget();
    }
    // The same, keeping the widget's room while the program hides it.
    QWidget* keep(const std::string& name, std::optional<std::int16_t> index = std::nullopt) {
        QWidget* shown = take(name, index);
        QSizePolicy policy = shown->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shown->setSizePolicy(policy);
        return shown;
    }
    QGroupBox* frame(const std::string& name, std::optional<std::int16_t> index = std::nullopt) {
        return static_cast<FrameView&>(view(name, index)).groupBox();
    }
    QLabel* result(const std::string& name, std::optional<std::int16_t> index, const char* widest) {
        auto* label = static_cast<QLabel*>(keep(name, index));
        atLeast(label, label->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)));
        QSizePolicy policy = label->sizePolicy();
        policy.setVerticalPolicy(QSizePolicy::Fixed);
        label->setSizePolicy(policy);
        return label;
    }
    // An entry wide enough for the numbers people type and the program writes back.
    QWidget* entry(const std::string& name, std::optional<std::int16_t> index = std::nullopt,
                   bool keepRoom = false) {
        QWidget* box = keepRoom ? keep(name, index) : take(name, index);
        atLeast(box, box->fontMetrics().horizontalAdvance(QStringLiteral("-0.123456789")) +
                         box->fontMetrics().averageCharWidth() * 2);
        return box;
    }
    // A suggestion box: wide enough for its levels ("0.975") and the list's arrow.
    QWidget* levelBox(const std::string& name, std::optional<std::int16_t> index = std::nullopt,
                      bool keepRoom = false) {
        QWidget* box = keepRoom ? keep(name, index) : take(name, index);
        atLeast(box, box->fontMetrics().horizontalAdvance(QStringLiteral("0.0001")) +
                         box->style()->pixelMetric(QStyle::PM_ScrollBarExtent) * 2);
        return box;
    }
    QWidget* wrappingCheckBox(const std::string& name) {
        auto& box = static_cast<CheckBoxView&>(view(name));
        box.useWrappingCaption();
        return box.widget();
    }
    QLabel* wrappingLabel(const std::string& name) {
        auto* label = static_cast<QLabel*>(take(name));
        label->setWordWrap(true);
        return label;
    }

    // Tab order: the order in which the controls were placed, top to bottom.
    void chainTabOrder() {
        QWidget* previous = nullptr;
        for (ControlView* placed : placed_) {
            if (!window::canHoldFocus(placed->control().kind())) continue;
            QWidget* target = placed->focusTarget();
            if (previous != nullptr) QWidget::setTabOrder(previous, target);
            previous = target;
        }
    }

  private:
    FormBinding& binding_;
    window::Form& form_;
    std::vector<ControlView*> placed_;
};

QHBoxLayout* row(QWidget* parent = nullptr) {
    auto* line = new QHBoxLayout(parent);
    line->setContentsMargins(0, 0, 0, 0);
    return line;
}

QLayout* replicationRow(Arranger& a) {
    auto* grid = new QGridLayout;
    grid->addWidget(a.take("OptionReplique", 0), 0, 0);
    grid->addWidget(a.take("OptionReplique", 1), 0, 1);
    grid->addWidget(a.entry("Textec", std::nullopt, true), 0, 2);
    grid->addWidget(a.keep("Etidf", 1), 1, 1, Qt::AlignRight);
    grid->addWidget(a.entry("TextedfR", std::nullopt, true), 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(a.take("OptionIC", 1), 0, 4);
    grid->addWidget(a.levelBox("TexteGarantie", 1), 0, 5);
    grid->addWidget(a.take("Eti2", 5), 0, 6);
    return grid;
}

QWidget* dataFrame(Arranger& a) {
    QGroupBox* donnees = a.frame("CadreDonnees");
    auto* grid = new QGridLayout(donnees);
    grid->addWidget(a.take("Etidf", 0), 0, 0);
    grid->addWidget(a.entry("Textedf"), 0, 1);
    for (std::int16_t i = 1; i <= 4; ++i) {
        grid->addWidget(a.take("Optiont", i), i, 0);
        grid->addWidget(a.entry("Textet", i), i, 1);
    }
    grid->addWidget(a.take("OptionIC", 0), 5, 0);
    auto* level = row();
    level->addWidget(a.levelBox("TexteGarantie", 0));
    level->addWidget(a.take("Eti2", 2));
    grid->addLayout(level, 5, 1);
    grid->addWidget(a.result("EtiIC", 0, kWidestInterval), 6, 0, 1, 2);

    QGroupBox* effet = a.frame("CadreEffet");
    QSizePolicy policy = effet->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    effet->setSizePolicy(policy);
    auto* inside = new QGridLayout(effet);
    inside->addWidget(a.take("OptionEffet", 0), 0, 0);
    inside->addWidget(a.entry("TexteEffet", 0, true), 0, 1);
    inside->addWidget(a.take("OptionEffet", 1), 1, 0);
    inside->addWidget(a.entry("TexteEffet", 1, true), 1, 1);
    grid->addWidget(effet, 3, 2, 4, 1, Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
    return donnees;
}

QLayout* intervalFrames(Arranger& a) {
    auto* column = new QVBoxLayout;
    QGroupBox* studentT = a.frame("CadreIntervalle", 0);
    auto* tRows = new QGridLayout(studentT);
    tRows->addWidget(a.take("Eti2", 0), 0, 0);
    tRows->addWidget(a.result("EtiICt", 1, kWidestInterval), 0, 1);
    tRows->addWidget(a.take("Eti2", 1), 1, 0);
    tRows->addWidget(a.result("EtiICt", 2, kWidestInterval), 1, 1);
    column->addWidget(studentT);

    QGroupBox* effect = a.frame("CadreIntervalle", 1);
    auto* effectRow = row(effect);
    effectRow->setContentsMargins(-1, -1, -1, -1);
    effectRow->addWidget(a.result("EtiIC", 1, kWidestInterval));
    column->addWidget(effect);

    QGroupBox* limits = a.frame("CadreIntervalle", 2);
    auto* limitRows = new QGridLayout(limits);
    limitRows->addWidget(a.take("EtiL", 1), 0, 0);
    limitRows->addWidget(a.result("EtiICL", 1, kWidestInterval), 0, 1);
    limitRows->addWidget(a.take("EtiL", 2), 1, 0);
    limitRows->addWidget(a.result("EtiICL", 2, kWidestInterval), 1, 1);
    column->addWidget(limits);
    column->addStretch();

    for (QGroupBox* frame : {studentT, effect}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
    }
    return column;
}

QLayout* resultRows(Arranger& a) {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->addWidget(a.wrappingLabel("EtiRepliqued"), 0, 0);
    grid->addWidget(a.result("EtiPrep", std::nullopt, kWidestProbability), 1, 0, Qt::AlignLeft);
    grid->setRowStretch(3, 1);  // the decimals bar's extra height goes under psrep

    grid->addWidget(a.wrappingCheckBox("CasePsrep"), 2, 0);
    auto* alpha = row();
    alpha->addWidget(a.result("EtiPrept", std::nullopt, kWidestProbability));
    alpha->addSpacing(12);
    alpha->addWidget(a.keep("Etialpha"));
    alpha->addWidget(a.levelBox("Textealpha", std::nullopt, true));
    auto& alphaFrame = static_cast<FrameView&>(a.view("CadreAlpha"));
    alphaFrame.hideCaption();  // it only groups the two alpha options
    QGroupBox* cadreAlpha = alphaFrame.groupBox();
    QSizePolicy policy = cadreAlpha->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    cadreAlpha->setSizePolicy(policy);
    auto* alphaOptions = row(cadreAlpha);
    alphaOptions->setContentsMargins(6, 2, 6, 2);
    alphaOptions->addWidget(a.take("OptionAlpha", 0));
    alphaOptions->addWidget(a.take("OptionAlpha", 1));
    alpha->addWidget(cadreAlpha);
    alpha->addStretch();
    grid->addLayout(alpha, 3, 0);

    grid->addWidget(a.wrappingCheckBox("CasePreprep"), 4, 0);
    auto* gamma = row();
    gamma->addWidget(a.result("EtiPreprep", std::nullopt, kWidestProbability));
    gamma->addSpacing(12);
    gamma->addWidget(a.keep("EtiGamma"));
    gamma->addWidget(a.levelBox("TexteGamma", std::nullopt, true));
    gamma->addStretch();
    grid->addLayout(gamma, 5, 0);

    // At the right: the decimals above their bar, beside prep and psrep; then automatic
    // computation and Compute.
    auto* decimals = new QVBoxLayout;
    decimals->addWidget(a.take("EtiDecimales"), 0, Qt::AlignHCenter);
    QWidget* bar = a.take("Ascenseur");
    bar->setMinimumHeight(bar->fontMetrics().lineSpacing() * 6);  // room to aim at eight values
    decimals->addWidget(bar, 1, Qt::AlignHCenter);
    grid->addLayout(decimals, 0, 1, 4, 1);
    grid->addWidget(a.take("CaseAutomatique"), 4, 1);
    grid->addWidget(a.take("BoutonCalculer"), 5, 1);
    return grid;
}

// One line whatever it says, so that no message makes the window grow or jump.
QWidget* statusLine(Arranger& a) {
    auto& status = static_cast<LabelView&>(a.view("EtiEtat"));
    status.useOneElidedLine();
    return status.widget();
}

QLayout* buttonRow(Arranger& a) {
    auto* buttons = row();
    for (const char* name : {"BoutonAide", "BoutonKprime", "BoutonQuitter", "boutonOK"}) {
        buttons->addWidget(a.take(name));
    }
    return buttons;
}

}  // namespace

void arrangeFeuilleOrmane(FormBinding& binding, QWidget& client) {
    Arranger a(binding);
    auto* page = new QVBoxLayout(&client);
    page->addLayout(replicationRow(a));
    auto* middle = new QHBoxLayout;
    middle->addWidget(dataFrame(a), 0, Qt::AlignTop);
    middle->addLayout(intervalFrames(a), 1);
    page->addLayout(middle);
    page->addLayout(resultRows(a));
    // The picture of the predictive distribution, below the results.
    page->addWidget(a.take("ImagePredictive"), 0, Qt::AlignHCenter);
    page->addWidget(statusLine(a));
    page->addLayout(buttonRow(a));
    a.chainTabOrder();
}

}  // namespace ormane::qt
