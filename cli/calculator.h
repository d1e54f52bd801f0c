// The window's calculator driven as a user would drive it, with no screen: one Programme
// on the headless platform (its settings store in memory, so the user's saved settings are
// never read nor written), started once like the window, then each request typed into the
// window through UserActions and computed. Requests are independent of each other: each
// sets every entry (to the request's text or to the one start-up placed) and the results
// of the previous computation are forgotten before computing.
#pragma once

#include <memory>

#include "cli/request.h"
#include "compute/output/outcome.h"

namespace ormane {
class Programme;
namespace window {
class FeuilleOrmane;
}
}  // namespace ormane
#include "compute/last_computation.h"
#include "window/model/drawing.h"

namespace ormane::cli {

enum class EntryMode {
    // Untick automatic computation, fill in every entry, press Compute: one computation.
    ComputeButton,
    // Leave automatic computation ticked: every change recomputes, as while typing.
    AutomaticComputation
};

class Calculator {
  public:
    explicit Calculator(EntryMode mode = EntryMode::ComputeButton);
    ~Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // Throws std::logic_error when the window refuses a user action (a hidden control):
    // a fault of this driver, never of the request.
    Outcome compute(const Request& request);
    // The picture of the predictive distribution of the last computation, as the window's
    // Graph pane draws it on that scale, at that size (empty when there is nothing to draw).
    window::Dessin drawing(int width, int height, EchelleImage scale);

    // The program and its main window, as the last request left them.
    Programme& programme();
    window::FeuilleOrmane& mainWindow();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace ormane::cli
