#include "gui/shell/print_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace lumora {

void ShowPrintPreview(QWidget* parent, const QString& title,
                      const std::function<void(QPrinter&)>& print) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("PrintPreview"));
  dialog.setWindowTitle(title);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&print](QPrinter* target) { print(*target); });
  dialog.exec();
}

}  // namespace lumora
