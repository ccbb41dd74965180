#include "gui/shell/main_window.h"

#include <QMdiArea>

namespace lumora {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), mdi_area_(new QMdiArea(this)) {
  setObjectName("BaseModule");
  setWindowTitle("Base Module");
  mdi_area_->setObjectName("mdi");
  setCentralWidget(mdi_area_);
  resize(1024, 720);
}

}  // namespace lumora
