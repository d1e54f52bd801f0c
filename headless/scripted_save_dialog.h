// A headless save dialog: records each time it is asked, and answers with the next choice
// queued (a path and the index of a format), or cancels when none is queued.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "window/platform/save_file_dialog.h"

namespace ormane::platform {

class ScriptedSaveDialog : public SaveFileDialog {
  public:
    struct Request {
        std::string title;
        std::string suggestedName;
        std::vector<FileFormat> formats;
        friend bool operator==(const Request&, const Request&) = default;
    };

    // The answer to the next question: the person chooses this file and format.
    void chooseNext(std::string path, std::size_t format) {
        answers_.push_back({std::move(path), format});
    }

    std::optional<SaveChoice> chooseSaveFile(const std::string& title,
                                             const std::string& suggestedName,
                                             const std::vector<FileFormat>& formats) override;

    const std::vector<Request>& requests() const { return requests_; }

  private:
    std::deque<SaveChoice> answers_;
    std::vector<Request> requests_;
};

}  // namespace ormane::platform
