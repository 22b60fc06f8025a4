// The user guide in a window of the program: "&HTML help" shows it here
// when no desktop viewer takes the page. Qt's text browser renders the
// page; its links to other sites go to the desktop's browser.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace kelvane {

class HelpBrowser : public QWidget {
  Q_OBJECT
 public:
  // Shows the page at `path` (a local HTML file). The window is the
  // parent's own (it closes with it) but not modal.
  explicit HelpBrowser(const QString& path, QWidget* parent = nullptr);

  QTextBrowser* browser() const { return m_browser; }

 private:
  QTextBrowser* m_browser;
};

}  // namespace kelvane
