#ifndef LUMORA_GUI_SHELL_PRINT_PREVIEW_H_
#define LUMORA_GUI_SHELL_PRINT_PREVIEW_H_

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace lumora {

// Shows, modally, the pages that `print` paints on a printer, from where they can be printed.
void ShowPrintPreview(QWidget* parent, const QString& title,
                      const std::function<void(QPrinter&)>& print);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_PRINT_PREVIEW_H_
