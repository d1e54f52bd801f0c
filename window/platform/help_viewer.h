// The help viewer: opens a topic of the application's help file by its number. The file's
// location belongs to the implementation. Not modal: returns at once; whatever goes wrong
// is the viewer's business and is not reported.
#pragma once

#include <cstdint>

namespace ormane::platform {

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void openTopic(std::int32_t topic) = 0;
};

}  // namespace ormane::platform
