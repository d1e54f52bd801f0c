#include "headless/memory_settings_store.h"

namespace ormane::platform {

std::optional<std::string> MemorySettingsStore::read(std::string_view application,
                                                     std::string_view section,
                                                     std::string_view key) {
    if (!readable_) return std::nullopt;
    return stored(application, section, key);
}

void MemorySettingsStore::write(std::string_view application, std::string_view section,
                                std::string_view key, std::string_view value) {
    ++writeCount_;
    if (!writable_) return;
    values_[Address{application, section, key}] = std::string(value);
}

std::optional<std::string> MemorySettingsStore::stored(std::string_view application,
                                                       std::string_view section,
                                                       std::string_view key) const {
    auto found = values_.find(Address{application, section, key});
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

}  // namespace ormane::platform
