// A settings store held in memory: the command line uses it so that it never touches the
// user's settings, and tests use it to set up and inspect stored settings. It can be made
// unreadable (reads as empty) or unwritable (writes are lost).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "window/platform/settings_store.h"

namespace ormane::platform {

class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;

    void setReadable(bool readable) { readable_ = readable; }
    void setWritable(bool writable) { writable_ = writable; }
    // What is stored, whether readable or not.
    std::optional<std::string> stored(std::string_view application, std::string_view section,
                                      std::string_view key) const;
    std::size_t size() const { return values_.size(); }
    int writeCount() const { return writeCount_; }  // writes attempted, lost ones included

  private:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string> values_;
    bool readable_ = true;
    bool writable_ = true;
    int writeCount_ = 0;
};

}  // namespace ormane::platform
