// The screen's mouse pointer, set by number as the program's code knows it.
#pragma once

#include <cstdint>

namespace ormane::platform {

inline constexpr std::int16_t kDefaultPointer = 0;
inline constexpr std::int16_t kHourglassPointer = 11;

class MousePointer {
  public:
    virtual ~MousePointer() = default;
    virtual void set(std::int16_t pointer) = 0;
};

}  // namespace ormane::platform
