// The main window's arrangement, top to bottom: the replication choice with c and the
// future degrees of freedom, and the prediction-interval box with its level; the data
// frame on the left (degrees of freedom, the four statistics, the interval estimate, the
// observed effect on its right) beside the three interval frames; prep with the decimals
// bar at the right; psrep with alpha; ppreprep with gamma; automatic computation and
// Compute at the right; the row of buttons at the bottom.
// Qt layouts only, so the window follows the font, the scale and the longer French
// captions. Controls the program shows and hides keep their room while hidden, so the
// window does not jump; the confidence-limits frame, last in its column, takes room only
// when shown.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
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
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)));
        return label;
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
    grid->addWidget(a.keep("Textec"), 0, 2);
    grid->addWidget(a.keep("Etidf", 1), 1, 1, Qt::AlignRight);
    grid->addWidget(a.keep("TextedfR"), 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(a.take("OptionIC", 1), 0, 4);
    grid->addWidget(a.take("TexteGarantie", 1), 0, 5);
    grid->addWidget(a.take("Eti2", 5), 0, 6);
    return grid;
}

QWidget* dataFrame(Arranger& a) {
    QGroupBox* donnees = a.frame("CadreDonnees");
    auto* grid = new QGridLayout(donnees);
    grid->addWidget(a.take("Etidf", 0), 0, 0);
    grid->addWidget(a.take("Textedf"), 0, 1);
    for (std::int16_t i = 1; i <= 4; ++i) {
        grid->addWidget(a.take("Optiont", i), i, 0);
        grid->addWidget(a.take("Textet", i), i, 1);
    }
    grid->addWidget(a.take("OptionIC", 0), 5, 0);
    auto* level = row();
    level->addWidget(a.take("TexteGarantie", 0));
    level->addWidget(a.take("Eti2", 2));
    grid->addLayout(level, 5, 1);
    grid->addWidget(a.result("EtiIC", 0, kWidestInterval), 6, 0, 1, 2);

    QGroupBox* effet = a.frame("CadreEffet");
    QSizePolicy policy = effet->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    effet->setSizePolicy(policy);
    auto* inside = new QGridLayout(effet);
    inside->addWidget(a.take("OptionEffet", 0), 0, 0);
    inside->addWidget(a.keep("TexteEffet", 0), 0, 1);
    inside->addWidget(a.take("OptionEffet", 1), 1, 0);
    inside->addWidget(a.keep("TexteEffet", 1), 1, 1);
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

    grid->addWidget(a.wrappingCheckBox("CasePsrep"), 2, 0);
    auto* alpha = row();
    alpha->addWidget(a.result("EtiPrept", std::nullopt, kWidestProbability));
    alpha->addSpacing(12);
    alpha->addWidget(a.keep("Etialpha"));
    alpha->addWidget(a.keep("Textealpha"));
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
    gamma->addWidget(a.keep("TexteGamma"));
    gamma->addStretch();
    grid->addLayout(gamma, 5, 0);

    // At the right: the decimals and their bar, then automatic computation and Compute.
    grid->addWidget(a.take("EtiDecimales"), 0, 1, Qt::AlignHCenter | Qt::AlignBottom);
    QWidget* bar = a.take("Ascenseur");
    bar->setMinimumHeight(bar->sizeHint().height() * 3);
    grid->addWidget(bar, 1, 1, 3, 1, Qt::AlignHCenter);
    grid->addWidget(a.take("CaseAutomatique"), 4, 1);
    grid->addWidget(a.take("BoutonCalculer"), 5, 1);
    return grid;
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
    page->addLayout(buttonRow(a));
    a.chainTabOrder();
}

}  // namespace ormane::qt
