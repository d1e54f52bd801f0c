#include "compute/output/outcome_reading.h"

#include <string>
#include <string_view>
#include <vector>

#include "compute/output/report_sentence.h"
#include "compute/results_table.h"
#include "compute/status_line.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// The caption of a choice followed by its guarantee level and unit, as the window's row
// reads: "inter&Val estimates 95 %".
std::string withLevel(window::CheckBox& choice, window::ComboBox& level, window::Label& unit) {
    return trimmed(choice.caption()) + " " + level.text() + " " + trimmed(unit.caption());
}

// Each result missing from `results` and why: the state of the whole computation when it
// computed nothing, else the result's own reason.
std::vector<MissingResult> missingResults(const Results& results, const EtatModule& module) {
    const ResultatsConserves& k = module.resultats;
    const bool french = EnFrancais(module.LangueChoisie);
    const std::string status = TexteEtatCalcul(k.etat, module.ChoixStatistique, french);
    std::vector<MissingResult> missing;
    for (const LigneResultat& row : TableResultats()) {
        if (results[row.resultat]) continue;
        if (k.etat != EtatCalcul::Calcule) {
            missing.push_back({row.cle, status, false});
            continue;
        }
        const Raison raison = k.raison(row.resultat);
        std::string reason = TexteRaison(row.resultat, raison, french);
        // A result kept as none without a reason is still no result.
        if (reason.empty()) reason = french ? "aucun résultat" : "no result";
        missing.push_back({row.cle, reason, raison == Raison::EchecNumerique});
    }
    return missing;
}

}  // namespace

EntryTexts readEntryTexts(window::FeuilleOrmane& F) {
    EntryTexts e;
    e.df = F.textBox("Textedf").text();
    e.t = F.textBox("Textet", 1).text();
    e.F = F.textBox("Textet", 2).text();
    e.p2 = F.textBox("Textet", 3).text();
    e.p1 = F.textBox("Textet", 4).text();
    e.c = F.textBox("Textec").text();
    e.dfR = F.textBox("TextedfR").text();
    e.alpha = F.comboBox("Textealpha").text();
    e.gamma = F.comboBox("TexteGamma").text();
    e.estimateLevel = F.comboBox("TexteGarantie", 0).text();
    e.predictionLevel = F.comboBox("TexteGarantie", 1).text();
    e.d = F.textBox("TexteEffet", 0).text();
    e.raw = F.textBox("TexteEffet", 1).text();
    return e;
}

Outcome readOutcome(window::FeuilleOrmane& F, const EtatModule& module) {
    Outcome outcome;
    outcome.entries = readEntryTexts(F);

    for (const LigneResultat& row : TableResultats()) {
        if (const auto& kept = module.resultats[row.resultat]) {
            outcome.results[row.resultat] = Interval{kept->bas, kept->haut};
        }
        outcome.labels[row.resultat] = EtiquetteDe(F, row.nom).caption();
    }
    outcome.status = TexteEtatCalcul(module.resultats.etat, module.ChoixStatistique,
                                     EnFrancais(module.LangueChoisie));
    outcome.missing = missingResults(outcome.results, module);
    outcome.report = PhraseRapport(F, module);

    window::Label& prep = F.label("EtiPrep");
    window::Label& psrep = F.label("EtiPrept");
    window::Label& ppreprep = F.label("EtiPreprep");
    window::Label& estimate = F.label("EtiIC", 0);
    window::Label& effectPrediction = F.label("EtiIC", 1);
    window::Label& tPrediction = F.label("EtiICt", 1);
    window::Label& pPrediction = F.label("EtiICt", 2);

    // The window top to bottom as far as results go; a row shows only when its result
    // label does (a hidden frame hides its rows), a heading only with a row under it.
    auto block = [&](std::string heading,
                     std::initializer_list<std::pair<std::string, window::Label*>> rows) {
        ShownBlock shown{std::move(heading), {}};
        for (const auto& [title, label] : rows) {
            if (label->effectivelyVisible()) shown.lines.push_back({title, label->caption()});
        }
        if (!shown.lines.empty()) outcome.shown.push_back(std::move(shown));
    };
    block(F.label("EtiRepliqued").caption(), {{"", &prep}});
    block(F.checkBox("CasePsrep").caption(), {{"", &psrep}});
    block(F.checkBox("CasePreprep").caption(), {{"", &ppreprep}});
    block(withLevel(F.checkBox("OptionIC", 0), F.comboBox("TexteGarantie", 0), F.label("Eti2", 2)),
          {{"", &estimate}});
    window::CheckBox& predictionChoice = F.checkBox("OptionIC", 1);
    if (predictionChoice.value() != 0) {
        outcome.shown.push_back(ShownBlock{
            withLevel(predictionChoice, F.comboBox("TexteGarantie", 1), F.label("Eti2", 5)), {}});
    }
    block(F.frame("CadreIntervalle", 0).caption(), {{F.label("Eti2", 0).caption(), &tPrediction},
                                                    {F.label("Eti2", 1).caption(), &pPrediction}});
    block(F.frame("CadreIntervalle", 1).caption(), {{"", &effectPrediction}});
    block(F.frame("CadreIntervalle", 2).caption(),
          {{F.label("EtiL", 1).caption(), &F.label("EtiICL", 1)},
           {F.label("EtiL", 2).caption(), &F.label("EtiICL", 2)}});
    return outcome;
}

}  // namespace ormane
