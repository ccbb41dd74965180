#include "gui/shell/manual_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lumora {

ManualWindow::ManualWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), where_(new QLabel(this)), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("Manual"));
  setWindowTitle(tr("Lumora Help"));
  setAttribute(Qt::WA_DeleteOnClose);
  where_->setObjectName(QStringLiteral("Where"));
  where_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  where_->setWordWrap(true);
  browser_->setObjectName(QStringLiteral("Page"));
  browser_->setOpenExternalLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where_);
  layout->addWidget(browser_, 1);
  resize(760, 600);
}

QString ManualWindow::WhereText() const { return where_->text(); }

ManualWindow* ManualWindow::ShowPage(const QUrl& page) {
  // A window shown over a modal one must belong to it to take the mouse and keys.
  QWidget* over = QApplication::activeModalWidget();
  if (over == nullptr) over = QApplication::activeWindow();
  ManualWindow* window = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* open = qobject_cast<ManualWindow*>(top); open != nullptr && open->isVisible()) {
      window = open;
    }
  }
  if (window == nullptr) window = new ManualWindow(over);
  const QString folder = QDir::toNativeSeparators(QFileInfo(page.toLocalFile()).absolutePath());
  window->where_->setText(
      tr("No web browser could show the manual; it is here as well as in the folder ") + folder +
      tr(" (index.html is its first page)."));
  window->browser_->setSource(page);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace lumora
