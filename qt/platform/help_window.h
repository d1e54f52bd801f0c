// The help window: a top-level, non-modal window with a QTextBrowser showing Ormane's
// HTML help pages; links between pages work, links to the web open in the browser. A
// page asked for as <page>?topic=<n> is shown with "%1" replaced by n (the "topic not
// found" pages say which number was asked for).
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace ormane::qt {

class HelpBrowser : public QTextBrowser {
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow : public QWidget {
  public:
    HelpWindow();
    HelpBrowser& browser() const { return *browser_; }
    // Shows the page at `page` (a local file URL), raising the window.
    void open(const QUrl& page);

  private:
    HelpBrowser* browser_;
};

}  // namespace ormane::qt
