// Misuse of the window model by the program itself: an unknown control name, a control of
// another kind than the code expects, a handler for a notification the kind never raises.
// These are bugs, not run-time conditions (those are ErreurExecution), so nothing traps them.
#pragma once

#include <stdexcept>
#include <string>

namespace ormane::window {

class ProgrammingError : public std::logic_error {
  public:
    explicit ProgrammingError(const std::string& what) : std::logic_error(what) {}
};

// A control name that the form does not have: a typo such as "TexteAlpha" for "Textealpha".
class UnknownControlError : public ProgrammingError {
  public:
    explicit UnknownControlError(const std::string& what) : ProgrammingError(what) {}
};

}  // namespace ormane::window
