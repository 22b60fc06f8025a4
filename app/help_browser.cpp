#include "app/help_browser.h"

#include <QGuiApplication>
#include <QScreen>
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
  // Wide enough for the guide's tables, within the screen.
  QSize size(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 40);
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
}

}  // namespace kelvane
