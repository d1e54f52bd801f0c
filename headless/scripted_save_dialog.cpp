#include "headless/scripted_save_dialog.h"

namespace ormane::platform {

std::optional<SaveChoice> ScriptedSaveDialog::chooseSaveFile(
    const std::string& title, const std::string& suggestedName,
    const std::vector<FileFormat>& formats) {
    requests_.push_back({title, suggestedName, formats});
    if (answers_.empty()) return std::nullopt;
    SaveChoice choice = std::move(answers_.front());
    answers_.pop_front();
    return choice;
}

}  // namespace ormane::platform
