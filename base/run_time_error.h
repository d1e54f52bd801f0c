// A run-time error: what the program's routines raise internally for an overflow, a
// division by zero, the logarithm of a non-positive number, an unreachable library or a
// missing control. Each routine that owns a failure trap catches it and turns it into its
// defined result; it never reaches the user.
#pragma once

#include <stdexcept>
#include <string>

namespace ormane {

class ErreurExecution : public std::runtime_error {
  public:
    explicit ErreurExecution(const std::string& quoi) : std::runtime_error(quoi) {}
};

}  // namespace ormane
