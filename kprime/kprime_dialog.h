// The K-prime distribution dialog FeuilleKprime: a modeless window where a person enters
// df1 and df2 (each may be infinite), the noncentrality lambda, and a limit x or a
// probability p, and reads the two tails at x (x found from p), the mean, the median and
// the standard deviation of K; lines can be added to a list that is copied as text. This
// is its design state and what it keeps between its events: the last results and the
// list. Its events (kprime_events.h) compute, fill the labels and run the buttons.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kprime/kprime_computation.h"
#include "window/language.h"
#include "window/model/form.h"

namespace ormane {

class FeuilleKprime : public window::Form {
  public:
    // `langue` is the interface language; it must outlive the dialog.
    FeuilleKprime(window::Session& session, const Langue& langue);

    Langue langue() const { return langue_; }

    // The results on show (nullopt: none, the labels are empty) and the entries they
    // were computed from.
    const std::optional<ResultatsKprime>& resultats() const { return resultats_; }
    const EntreesKprime& entreesCalculees() const { return entreesCalculees_; }
    void setResultats(std::optional<ResultatsKprime> r, const EntreesKprime& e) {
        resultats_ = std::move(r);
        entreesCalculees_ = e;
    }

    // Why the last refresh shows no results, in words of the current language (empty:
    // nothing to say); recomputed at every refresh.
    enum class Attente { Aucune, NonCentraliteVide, LimiteVide, ProbabiliteVide, BoutonCalculer };
    Attente attente() const { return attente_; }
    void setAttente(Attente a) { attente_ = a; }

    // The lines added to the list, oldest first.
    std::vector<std::string>& liste() { return liste_; }

    // Set while a refresh runs: the refresh's own corrections of the boxes start none.
    bool calculEnCours = false;

  private:
    const Langue& langue_;
    std::optional<ResultatsKprime> resultats_;
    EntreesKprime entreesCalculees_;
    Attente attente_ = Attente::Aucune;
    std::vector<std::string> liste_;
};

}  // namespace ormane
