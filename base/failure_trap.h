// The mode in which a failing statement is skipped and the next one runs (the load, the
// quit routine, the copy command, the focus and selection procedures, the rendering of the
// kept results): each statement is run through Essaie. Only run-time errors are skipped; a
// programming error (a wrong control name) still stops everything, so tests catch it.
#pragma once

#include "base/run_time_error.h"

namespace ormane {

template <class Instruction>
void Essaie(Instruction&& instruction) {
    try {
        instruction();
    } catch (const ErreurExecution&) {
        // Skipped on purpose: nothing is ever reported to the user.
    }
}

}  // namespace ormane
