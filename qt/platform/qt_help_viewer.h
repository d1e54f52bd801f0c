// The help viewer: opens help topics by number in Ormane's own help window, from the HTML
// pages installed beside the program (<prefix>/share/ormane/help, found relative to the
// executable as ../share/ormane/help; the build tree holds a copy at the same place).
// Topics 1 to 9 are French pages fr/<n>.html, 11 to 19 English pages en/<n>.html, 22 the
// shared 22.html. A topic with no page shows the "topic not found" page of its language
// (French for 1 to 9, English otherwise) with the number asked for; never a dialog.
#pragma once

#include <QString>
#include <QUrl>
#include <memory>

#include "window/platform/help_viewer.h"

namespace ormane::qt {

class HelpWindow;

class QtHelpViewer : public platform::HelpViewer {
  public:
    // `helpFolder` empty: ../share/ormane/help beside the executable.
    explicit QtHelpViewer(QString helpFolder = {});
    ~QtHelpViewer() override;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;

    void openTopic(std::int32_t topic) override;

    // The page that shows `topic` (with ?topic=<n> for the not-found page).
    QUrl pageOf(std::int32_t topic) const;
    const QString& helpFolder() const { return folder_; }
    // The help window once a topic has been opened, else nullptr.
    HelpWindow* window() const { return window_.get(); }

  private:
    QString folder_;
    std::unique_ptr<HelpWindow> window_;
};

}  // namespace ormane::qt
