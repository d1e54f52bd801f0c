// Headless stand-ins that record what the program asked of the platform: the clipboard
// (which can be told to fail), the message box, the help viewer, the mouse pointer and
// the end of the program, and the writing of pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/platform/clipboard.h"
#include "window/platform/help_viewer.h"
#include "window/platform/message_box.h"
#include "window/platform/mouse_pointer.h"
#include "window/platform/picture_export.h"
#include "window/platform/program_end.h"

namespace ormane::platform {

class RecordingClipboard : public Clipboard {
  public:
    void putText(const std::string& text) override;  // ErreurExecution while failing
    void setFailing(bool failing) { failing_ = failing; }
    const std::optional<std::string>& text() const { return text_; }  // nullopt: never written
    int failedAttempts() const { return failedAttempts_; }

  private:
    std::optional<std::string> text_;
    bool failing_ = false;
    int failedAttempts_ = 0;
};

class RecordingMessageBox : public MessageBox {
  public:
    struct Message {
        std::string text;
        std::string title;
        friend bool operator==(const Message&, const Message&) = default;
    };
    void show(const std::string& text, const std::string& title) override;
    const std::vector<Message>& messages() const { return messages_; }

  private:
    std::vector<Message> messages_;
};

class RecordingHelpViewer : public HelpViewer {
  public:
    void openTopic(std::int32_t topic) override { topics_.push_back(topic); }
    const std::vector<std::int32_t>& topics() const { return topics_; }

  private:
    std::vector<std::int32_t> topics_;
};

class RecordingMousePointer : public MousePointer {
  public:
    void set(std::int16_t pointer) override { history_.push_back(pointer); }
    const std::vector<std::int16_t>& history() const { return history_; }
    std::int16_t current() const { return history_.empty() ? kDefaultPointer : history_.back(); }

  private:
    std::vector<std::int16_t> history_;
};

// Keeps each drawing it is asked to write, with its path, and writes no file; it can be
// told to fail.
class RecordingPictureExport : public PictureExport {
  public:
    struct Written {
        window::Dessin drawing;
        std::string path;
    };
    bool write(const window::Dessin& drawing, const std::string& path) override {
        written_.push_back({drawing, path});
        return !failing_;
    }
    void setFailing(bool failing) { failing_ = failing; }
    const std::vector<Written>& written() const { return written_; }

  private:
    std::vector<Written> written_;
    bool failing_ = false;
};

class RecordingProgramEnd : public ProgramEnd {
  public:
    void endNow() override { ++count_; }
    bool ended() const { return count_ > 0; }
    int count() const { return count_; }

  private:
    int count_ = 0;
};

}  // namespace ormane::platform
