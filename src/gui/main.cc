#include <QApplication>

#include "gui/shell/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  lumora::MainWindow window;
  window.show();
  return app.exec();
}
