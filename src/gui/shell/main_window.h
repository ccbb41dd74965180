#ifndef LUMORA_GUI_SHELL_MAIN_WINDOW_H_
#define LUMORA_GUI_SHELL_MAIN_WINDOW_H_

#include <QMainWindow>

class QMdiArea;

namespace lumora {

// The main window that holds the job and result windows.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

 private:
  QMdiArea* mdi_area_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_MAIN_WINDOW_H_
