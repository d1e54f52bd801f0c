#include "cli/calculator.h"

#include <array>
#include <stdexcept>
#include <string>

#include "compute/clear_results.h"
#include "compute/output/outcome_reading.h"
#include "headless/headless_platform.h"
#include "picture/picture_refresh.h"
#include "program/program.h"
#include "window/model/controls.h"
#include "window/model/user_actions.h"

namespace ormane::cli {

namespace {

using window::UserActions;

// The key a user releases after typing a value.
constexpr std::int16_t kEnterKey = 13;

// What the window holds right after start-up: the values a request leaves unset.
struct StartupEntries {
    EntryTexts texts;
    std::int16_t decimals = 3;
    Langue language = Langue::Anglais;

    // The text of Textet(i), i from 1 to 4, and of TexteEffet(i), i 0 or 1.
    const std::string& statistic(std::int16_t i) const {
        const std::array<const std::string*, 5> boxes{nullptr, &texts.t, &texts.F, &texts.p2,
                                                      &texts.p1};
        return *boxes.at(i);
    }
    const std::string& effect(std::int16_t i) const { return i == 0 ? texts.d : texts.raw; }
};

// A refused action means the driver acted on a control no user could reach now.
void require(bool accepted, const window::Control& control, const char* action) {
    if (!accepted) {
        throw std::logic_error("the window refused to " + std::string(action) + " " +
                               control.displayName());
    }
}

void type(window::TextControl& box, const std::string& text) {
    require(UserActions::type(box, text), box, "type into");
}
void click(window::Control& control) {
    require(UserActions::click(control), control, "click");
}
void releaseKey(window::TextControl& box) {
    require(UserActions::keyUp(box, kEnterKey), box, "release a key in");
}
void tick(window::CheckBox& box, bool ticked) {
    if ((box.value() != 0) != ticked) click(box);
}

}  // namespace

struct Calculator::State {
    explicit State(EntryMode entryMode) : mode(entryMode), programme(platform.services()) {}

    EntryMode mode;
    platform::HeadlessPlatform platform;  // before the programme, which refers to it
    Programme programme;
    StartupEntries startup;
};

Calculator::Calculator(EntryMode mode) : state_(std::make_unique<State>(mode)) {
    Programme& programme = state_->programme;
    programme.Demarre();
    window::FeuilleOrmane& F = programme.feuilleOrmane().get();
    StartupEntries& s = state_->startup;
    s.texts = readEntryTexts(F);
    s.decimals = F.scrollBar("Ascenseur").value();
    s.language = programme.module().LangueChoisie;
}

Calculator::~Calculator() = default;

Programme& Calculator::programme() {
    return state_->programme;
}

window::FeuilleOrmane& Calculator::mainWindow() {
    return state_->programme.feuilleOrmane().get();
}

namespace {

using window::FeuilleOrmane;

void chooseLanguageAndDecimals(FeuilleOrmane& F, const EtatModule& module, const Request& request,
                               const StartupEntries& startup) {
    // The Language menu: item 0 English, item 1 French.
    const Langue language = request.language.value_or(startup.language);
    if (module.LangueChoisie != language) {
        click(F.menuItem("MenuLangue", IndexMenuLangue(language)));
    }

    window::ScrollBar& decimalsBar = F.scrollBar("Ascenseur");
    const std::int16_t decimals = request.decimals.value_or(startup.decimals);
    if (decimalsBar.value() != decimals) {
        require(UserActions::scrollTo(decimalsBar, decimals), decimalsBar, "move");
    }
}

// Every result wanted: this also shows the alpha, gamma and effect entries.
void showEveryResult(FeuilleOrmane& F) {
    tick(F.checkBox("CasePsrep"), true);
    tick(F.checkBox("CasePreprep"), true);
    tick(F.checkBox("OptionIC", 0), true);
    tick(F.checkBox("OptionIC", 1), true);
}

// c and dfR can be typed only while the future experiment is chosen; a plain replication
// gets back the texts start-up left there.
void enterReplication(FeuilleOrmane& F, const Request& request, const StartupEntries& startup) {
    window::TextBox& c = F.textBox("Textec");
    window::TextBox& dfR = F.textBox("TextedfR");
    const FutureExperiment future =
        request.future.value_or(FutureExperiment{startup.texts.c, startup.texts.dfR});
    if (request.future || c.text() != future.c || dfR.text() != future.dfR) {
        click(F.optionButton("OptionReplique", 1));
        type(c, future.c);
        type(dfR, future.dfR);
    }
    if (!request.future) click(F.optionButton("OptionReplique", 0));
}

void enterLevels(FeuilleOrmane& F, const Request& request, const StartupEntries& startup) {
    type(F.comboBox("Textealpha"), request.alpha.value_or(startup.texts.alpha));
    click(F.optionButton("OptionAlpha", request.alphaTails.value_or(2) == 1 ? 1 : 0));
    type(F.comboBox("TexteGamma"), request.gamma.value_or(startup.texts.gamma));
    type(F.comboBox("TexteGarantie", 0),
         request.estimateLevel.value_or(startup.texts.estimateLevel));
    type(F.comboBox("TexteGarantie", 1),
         request.predictionLevel.value_or(startup.texts.predictionLevel));
}

// The start-up example's own experiment: its degrees of freedom and its statistic.
bool isStartupExperiment(const Request& request, const StartupEntries& startup) {
    const bool startupDf = !request.df || *request.df == startup.texts.df;
    const bool startupStatistic =
        !request.statistic || (request.statistic->kind == Statistic::TwoTailedP &&
                               request.statistic->text == startup.statistic(3));
    return startupDf && startupStatistic;
}

// Each effect box can be typed only while its kind is chosen: the other kind first. The
// example's effect belongs to the example: a request for another experiment that gives no
// effect computes no effect interval.
void enterEffect(FeuilleOrmane& F, const Request& request, const StartupEntries& startup) {
    const EffectKind kind = request.effect ? request.effect->kind : EffectKind::Standardized;
    const auto chosen = static_cast<std::int16_t>(kind);
    const auto other = static_cast<std::int16_t>(1 - chosen);
    const bool example = !request.effect && isStartupExperiment(request, startup);
    auto effectText = [&](std::int16_t i) {
        if (request.effect && i == chosen) return request.effect->text;
        return example ? startup.effect(i) : std::string();
    };
    window::TextBox& otherEffect = F.textBox("TexteEffet", other);
    if (otherEffect.text() != effectText(other)) {
        click(F.optionButton("OptionEffet", other));
        type(otherEffect, effectText(other));
    }
    click(F.optionButton("OptionEffet", chosen));
    type(F.textBox("TexteEffet", chosen), effectText(chosen));
}

// The three statistic boxes not entered are emptied (typing into one selects its
// statistic): the computation derives them from the entered one, and one it cannot derive
// must not show a value of the start-up example. Then the entered one is chosen, typed and
// its key released.
void enterStatistic(FeuilleOrmane& F, const Request& request, const StartupEntries& startup) {
    const EnteredStatistic statistic =
        request.statistic.value_or(EnteredStatistic{Statistic::TwoTailedP, startup.statistic(3)});
    const auto entered = static_cast<std::int16_t>(statistic.kind);
    for (std::int16_t i = 1; i <= 4; ++i) {
        if (i != entered) type(F.textBox("Textet", i), "");
    }
    click(F.optionButton("Optiont", entered));
    window::TextBox& box = F.textBox("Textet", entered);
    type(box, statistic.text);
    releaseKey(box);
}

// Nothing of the previous computation may show in the next one's outcome: a request that
// computes nothing (a blank statistic, c or dfR of 0) then shows no result at all.
void forgetResults(FeuilleOrmane& F, EtatModule& module) {
    EffaceResultats(F, module, module.ChoixStatistique, EtatCalcul::Calcule, false);
    // The confidence limits derived from the intervals are not results of their own.
    F.label("EtiICL", 1).setCaption("");
    F.label("EtiICL", 2).setCaption("");
}

}  // namespace

Outcome Calculator::compute(const Request& request) {
    Programme& programme = state_->programme;
    EtatModule& module = programme.module();
    FeuilleOrmane& F = programme.feuilleOrmane().get();
    const StartupEntries& startup = state_->startup;
    const bool automatic = state_->mode == EntryMode::AutomaticComputation;

    tick(F.checkBox("CaseAutomatique"), automatic);
    chooseLanguageAndDecimals(F, module, request, startup);
    showEveryResult(F);
    enterReplication(F, request, startup);
    enterLevels(F, request, startup);
    // The effect after the statistic: a new statistic empties the example's effect.
    enterStatistic(F, request, startup);
    enterEffect(F, request, startup);
    forgetResults(F, module);

    // Last, df: its key release recomputes when automatic computation is on.
    window::TextBox& df = F.textBox("Textedf");
    type(df, request.df.value_or(startup.texts.df));
    releaseKey(df);

    if (!automatic) click(F.commandButton("BoutonCalculer"));
    return readOutcome(F, module);
}

window::Dessin Calculator::drawing(int width, int height, EchelleImage scale) {
    EtatModule& module = state_->programme.module();
    module.image.echelle = scale;
    return DessinDuCalcul(module, width, height);
}

}  // namespace ormane::cli
