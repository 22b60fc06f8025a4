#include "app/help_browser.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_info.h"

namespace kelvane {

HelpBrowser::HelpBrowser(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  m_browser->setOpenExternalLinks(true);
  // As a source, not as text: the page's relative links and pictures are
  // found beside it.
  m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
  const QString title = m_browser->documentTitle();
  setWindowTitle(title.isEmpty() ? QString::fromLatin1(kProgramName) : title);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_browser);
  // About 80 characters wide, two thirds as high.
  const int width = fontMetrics().averageCharWidth() * 90;
  resize(width, width * 2 / 3);
}

}  // namespace kelvane
