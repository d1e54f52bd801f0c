#include "headless/recording_services.h"

#include "base/run_time_error.h"

namespace ormane::platform {

void RecordingClipboard::putText(const std::string& text) {
    if (failing_) {
        ++failedAttempts_;
        throw ErreurExecution("the clipboard cannot be written");
    }
    text_ = text;
}

void RecordingMessageBox::show(const std::string& text, const std::string& title) {
    messages_.push_back({text, title});
}

}  // namespace ormane::platform
