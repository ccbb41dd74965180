#include "gui/shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <optional>
#include <string>

#include "core/shell/data_folder.h"
#include "core/version.h"
#include "gui/shell/main_window.h"

namespace lumora {

int RunDesktop(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationVersion(kVersion);

  QCommandLineParser parser;
  parser.setApplicationDescription("Plans guillotine cuts of glass pieces from stock sheets.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data_dir_option("data-dir", "The data folder to use.", "DIR");
  parser.addOption(data_dir_option);
  parser.addPositionalArgument("JOB", "A job file to open.");
  parser.process(app);

  std::optional<std::string> data_dir_argument;
  if (parser.isSet(data_dir_option)) {
    data_dir_argument = parser.value(data_dir_option).toLocal8Bit().toStdString();
  }
  const std::string data_folder = ResolveDataFolder(data_dir_argument);
  if (const auto error = SeedDataFolder(data_folder)) {
    QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(error->c_str()));
    return 1;
  }

  MainWindow window;
  window.show();
  return QApplication::exec();
}

}  // namespace lumora
