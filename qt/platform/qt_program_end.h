// The end of the program: every window closes and the event loops stop at once (nested
// ones too), with nothing more handled.
#pragma once

#include "window/platform/program_end.h"

namespace ormane::qt {

class QtProgramEnd : public platform::ProgramEnd {
  public:
    void endNow() override;
};

}  // namespace ormane::qt
