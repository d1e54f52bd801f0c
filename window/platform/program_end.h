// The end of the process. Session::endProgram calls it after stopping the model; the
// program never calls it directly.
#pragma once

namespace ormane::platform {

class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    // Ends the process at once (a GUI quits its event loop without handling anything more).
    virtual void endNow() = 0;
};

}  // namespace ormane::platform
