// The K-prime dialog's arrangement, top to bottom: df1 and df2 with their infinity boxes,
// the noncentrality, the choice of a limit or a probability with their boxes; the tails
// and the quantile; the mean, median and standard deviation; automatic computation and
// Compute; the list with Add, Copy and Clear; the status line; Help and Close. Each
// entry's label gives the entry its access key. Qt layouts only, so the dialog follows the
// font, the scale and the longer French captions.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "qt/binding/control_view.h"
#include "qt/binding/form_binding.h"
#include "qt/binding/label_views.h"
#include "qt/layout/arranger.h"
#include "qt/layout/form_layouts.h"
#include "window/model/form.h"

namespace ormane::qt {

namespace {

// What a result label must hold without clipping.
constexpr const char* kWidestResult = " P(K ≤ x) = -9.9999E-300 ";

QLayout* entries(Arranger& p) {
    auto* grid = new QGridLayout;
    int row = 0;
    for (std::int16_t i = 1; i <= 2; ++i, ++row) {
        QWidget* box = p.entry("Textedl", i);
        addEntryRow(grid, row, {p.caption("Etidl", i, box), box, p.take("CaseDl", i)});
    }
    QWidget* lambda = p.entry("TexteNC");
    addEntryRow(grid, row++, {p.caption("EtiNC", std::nullopt, lambda), lambda});
    addEntryRow(grid, row++, {p.take("OptionLimite", 0), p.entry("TexteLimite")});
    addEntryRow(grid, row++, {p.take("OptionLimite", 1), p.entry("TexteProbabilite")});
    grid->setColumnStretch(2, 1);
    return grid;
}

QLayout* results(Arranger& p) {
    auto* grid = new QGridLayout;
    grid->addWidget(p.result("EtiQueue", 1, kWidestResult), 0, 0, 1, 2);
    grid->addWidget(p.result("EtiQueue", 2, kWidestResult), 1, 0, 1, 2);
    grid->addWidget(p.result("EtiQuantile", std::nullopt, kWidestResult), 2, 0, 1, 2);
    for (std::int16_t i = 1; i <= 3; ++i) {
        grid->addWidget(p.take("Eti", i), 2 + i, 0);
        grid->addWidget(p.result("EtiMoment", i, kWidestResult), 2 + i, 1);
    }
    auto* compute = new QVBoxLayout;
    compute->addStretch();
    compute->addWidget(p.take("CaseAutomatique"));
    compute->addWidget(p.take("BoutonCalculer"));
    grid->addLayout(compute, 0, 2, 6, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QLayout* list(Arranger& p) {
    auto* column = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"BoutonAjouter", "BoutonCopier", "BoutonEffacer"}) {
        buttons->addWidget(p.take(name));
    }
    buttons->addStretch();
    column->addLayout(buttons);
    auto& listView = static_cast<LabelView&>(p.view("EtiListe"));
    QLabel* lines = listView.label();
    lines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* scroll = new QScrollArea;
    scroll->setWidget(lines);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(lines->fontMetrics().lineSpacing() * 5);
    listView.readThrough(scroll);  // the scroll area is the Tab stop: name it
    column->addWidget(scroll, 1);
    return column;
}

}  // namespace

void arrangeFeuilleKprime(FormBinding& binding, QWidget& client) {
    Arranger p(binding);
    auto* page = new QVBoxLayout(&client);
    page->addLayout(entries(p));
    page->addLayout(results(p));
    page->addLayout(list(p), 1);
    auto& status = static_cast<LabelView&>(p.view("EtiEtat"));
    status.useOneElidedLine();
    page->addWidget(status.widget());
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(p.take("BoutonAide"));
    bottom->addStretch();
    bottom->addWidget(p.take("BoutonQuitter"));
    page->addLayout(bottom);
    p.chainTabOrder();
}

}  // namespace ormane::qt
