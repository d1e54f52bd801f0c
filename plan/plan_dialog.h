// The dialog FeuillePlan, "Plan a replication": the target (prep, psrep or ppreprep), the
// probability P to reach and the number of cells K of the future experiment; the
// observation it plans from (read from the main window when the dialog opens), the
// result lines, a curve of the target's probability against n' and the button that hands
// the found c and nu' to the main window. This is its design state and what it keeps
// between its events (plan_events.h).
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "compute/kept_results.h"
#include "numeric/replication_plan.h"
#include "plan/plan_observation.h"
#include "window/language.h"
#include "window/model/form.h"

namespace ormane {

// What the "use" button hands to the main window: the texts a person would type into
// its c and future degrees of freedom boxes.
struct FutureExperimentTexts {
    std::string c;
    std::string dfR;
    friend bool operator==(const FutureExperimentTexts&, const FutureExperimentTexts&) = default;
};

class FeuillePlan : public window::Form {
  public:
    explicit FeuillePlan(window::Session& session);

    Langue langueDesTextes() const { return langueDesTextes_; }
    void setLangueDesTextes(Langue langue) { langueDesTextes_ = langue; }
    std::int16_t decimales() const { return decimales_; }
    void setDecimales(std::int16_t decimales) { decimales_ = decimales; }

    // The observation of the main window, or why there is none.
    const std::variant<ObservationPlan, EtatCalcul>& observation() const { return observation_; }
    // The statistic entered in the main window.
    Statistique choixStatistique() const { return choix_statistique_; }
    void setObservation(std::variant<ObservationPlan, EtatCalcul> o, Statistique choix) {
        observation_ = o;
        choix_statistique_ = choix;
    }

    // The last plan computed from the entries, if they allowed one.
    const std::optional<ResultatPlan>& resultat() const { return resultat_; }
    void setResultat(std::optional<ResultatPlan> r) { resultat_ = r; }

    // Set by the "use" button, taken once by the command that opened the dialog.
    void choisit(FutureExperimentTexts choix) { choix_ = std::move(choix); }
    std::optional<FutureExperimentTexts> prendChoix() {
        auto choix = std::move(choix_);
        choix_.reset();
        return choix;
    }

  private:
    Langue langueDesTextes_ = Langue::Francais;
    std::int16_t decimales_ = 3;
    std::variant<ObservationPlan, EtatCalcul> observation_ = EtatCalcul::StatistiqueVide;
    Statistique choix_statistique_ = Statistique::Aucune;
    std::optional<ResultatPlan> resultat_;
    std::optional<FutureExperimentTexts> choix_;
};

}  // namespace ormane
