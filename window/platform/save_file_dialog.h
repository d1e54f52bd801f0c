// The dialog that asks where to save a file: a title, a suggested file name and the formats
// offered, the first one chosen at first. Modal: returns once the person has chosen or
// cancelled. Nothing is written here; the caller writes the file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ormane::platform {

struct FileFormat {
    std::string name;       // what the dialog lists ("CSV", "JSON")
    std::string extension;  // without its dot ("csv")
    friend bool operator==(const FileFormat&, const FileFormat&) = default;
};

struct SaveChoice {
    std::string path;    // the file chosen, its extension added when the person typed none
    std::size_t format;  // the index of the format chosen in the list offered
    friend bool operator==(const SaveChoice&, const SaveChoice&) = default;
};

class SaveFileDialog {
  public:
    virtual ~SaveFileDialog() = default;
    // nullopt when the person cancelled.
    virtual std::optional<SaveChoice> chooseSaveFile(const std::string& title,
                                                     const std::string& suggestedName,
                                                     const std::vector<FileFormat>& formats) = 0;
};

}  // namespace ormane::platform
