// The per-user settings store, addressed by application name, section and key; every
// value is a text. Implementations never throw: a store that cannot be read reads as
// empty, and a write that fails is lost silently.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ormane::platform {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text; nullopt when the key is absent (the reader supplies its default).
    virtual std::optional<std::string> read(std::string_view application, std::string_view section,
                                            std::string_view key) = 0;
    virtual void write(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view value) = 0;
};

}  // namespace ormane::platform
