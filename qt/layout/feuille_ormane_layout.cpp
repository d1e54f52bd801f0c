// The main window's arrangement, top to bottom: the replication choice with c and the
// future degrees of freedom, and the prediction-interval box with its level; the data
// frame on the left (degrees of freedom, the four statistics, the interval estimate; the
// observed effect on their right, the estimate's result under it) beside the three interval
// frames; prep with the decimals
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
#include "qt/layout/arranger.h"
#include "qt/layout/form_layouts.h"
#include "window/model/form.h"

namespace ormane::qt {

namespace {

// Result texts the labels must hold without clipping at the most decimals the bar gives.
constexpr const char* kWidestProbability = " ppreprep = 0.999999999 ";
constexpr const char* kWidestInterval = " [-99.999999999 ; 99.999999999] ";

// A suggestion box: wide enough for its levels ("0.975") and the list's arrow.
QWidget* levelBox(Arranger& a, const std::string& name,
                  std::optional<std::int16_t> index = std::nullopt, bool keepRoom = false) {
    QWidget* box = keepRoom ? a.keep(name, index) : a.take(name, index);
    atLeast(box, box->fontMetrics().horizontalAdvance(QStringLiteral("0.0001")) +
                     box->style()->pixelMetric(QStyle::PM_ScrollBarExtent) * 2);
    return box;
}

QWidget* wrappingCheckBox(Arranger& a, const std::string& name) {
    auto& box = static_cast<CheckBoxView&>(a.view(name));
    box.useWrappingCaption();
    return box.widget();
}

QLabel* wrappingLabel(Arranger& a, const std::string& name) {
    auto* label = static_cast<QLabel*>(a.take(name));
    label->setWordWrap(true);
    return label;
}

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
    grid->addWidget(levelBox(a, "TexteGarantie", 1), 0, 5);
    grid->addWidget(a.take("Eti2", 5), 0, 6);
    return grid;
}

QWidget* dataFrame(Arranger& a) {
    QGroupBox* donnees = a.frame("CadreDonnees");
    auto* grid = new QGridLayout(donnees);
    addEntryRow(grid, 0, {a.take("Etidf", 0), a.entry("Textedf")});
    for (std::int16_t i = 1; i <= 4; ++i) {
        addEntryRow(grid, i, {a.take("Optiont", i), a.entry("Textet", i)});
    }
    grid->addWidget(a.take("OptionIC", 0), 5, 0);
    auto* level = row();
    level->addWidget(levelBox(a, "TexteGarantie", 0));
    level->addWidget(a.take("Eti2", 2));
    grid->addLayout(level, 5, 1);
    // The interval estimate on its choice's line, under the observed effect: a line less.
    grid->addWidget(a.result("EtiIC", 0, kWidestInterval), 5, 2);

    QGroupBox* effet = a.frame("CadreEffet");
    QSizePolicy policy = effet->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    effet->setSizePolicy(policy);
    auto* inside = new QGridLayout(effet);
    for (std::int16_t i = 0; i <= 1; ++i) {
        addEntryRow(inside, i, {a.take("OptionEffet", i), a.entry("TexteEffet", i, true)});
    }
    grid->addWidget(effet, 1, 2, 4, 1, Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
    return donnees;
}

QLayout* intervalFrames(Arranger& a) {
    auto* column = new QVBoxLayout;
    QGroupBox* studentT = a.frame("CadreIntervalle", 0);
    auto* tRows = new QGridLayout(studentT);
    for (std::int16_t i = 0; i <= 1; ++i) {
        addEntryRow(tRows, i, {a.take("Eti2", i), a.result("EtiICt", i + 1, kWidestInterval)});
    }
    column->addWidget(studentT);

    QGroupBox* effect = a.frame("CadreIntervalle", 1);
    auto* effectRow = row(effect);
    effectRow->setContentsMargins(-1, -1, -1, -1);
    effectRow->addWidget(a.result("EtiIC", 1, kWidestInterval));
    column->addWidget(effect);

    QGroupBox* limits = a.frame("CadreIntervalle", 2);
    auto* limitRows = new QGridLayout(limits);
    for (std::int16_t i = 1; i <= 2; ++i) {
        addEntryRow(limitRows, i - 1, {a.take("EtiL", i), a.result("EtiICL", i, kWidestInterval)});
    }
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
    grid->addWidget(wrappingLabel(a, "EtiRepliqued"), 0, 0);
    grid->addWidget(a.result("EtiPrep", std::nullopt, kWidestProbability), 1, 0, Qt::AlignLeft);
    grid->setRowStretch(3, 1);  // the decimals bar's extra height goes under psrep

    grid->addWidget(wrappingCheckBox(a, "CasePsrep"), 2, 0);
    auto* alpha = row();
    alpha->addWidget(a.result("EtiPrept", std::nullopt, kWidestProbability));
    alpha->addSpacing(12);
    alpha->addWidget(a.keep("Etialpha"));
    alpha->addWidget(levelBox(a, "Textealpha", std::nullopt, true));
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

    grid->addWidget(wrappingCheckBox(a, "CasePreprep"), 4, 0);
    auto* gamma = row();
    gamma->addWidget(a.result("EtiPreprep", std::nullopt, kWidestProbability));
    gamma->addSpacing(12);
    gamma->addWidget(a.keep("EtiGamma"));
    gamma->addWidget(levelBox(a, "TexteGamma", std::nullopt, true));
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
