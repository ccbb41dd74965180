#include "gui/shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/base/version.h"
#include "core/base/workspace.h"
#include "core/shell/command_line.h"
#include "core/shell/data_folder.h"
#include "core/shell/start_stamp_claim.h"
#include "gui/shell/language.h"
#include "gui/shell/launcher.h"
#include "gui/shell/single_instance.h"
#include "gui/shell/toolbar_icons.h"

namespace lumora {

int RunDesktop(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationVersion(kVersion);
  QApplication::setWindowIcon(ApplicationIcon());

  // The language comes first, so that --help and the first messages already speak it.
  QCommandLineOption data_dir_option("data-dir", "", "DIR");
  QCommandLineOption language_option("lang", "", "CODE");
  QCommandLineParser early;
  early.addOptions({data_dir_option, language_option});
  (void)early.parse(QCoreApplication::arguments());
  std::optional<std::string> data_dir_argument;
  if (early.isSet(data_dir_option)) {
    data_dir_argument = QFile::encodeName(early.value(data_dir_option)).toStdString();
  }
  // Absolute, so that no path of the run depends on the current directory.
  const std::string data_folder =
      QFile::encodeName(
          QDir(QFile::decodeName(ResolveDataFolder(data_dir_argument).c_str())).absolutePath())
          .toStdString();
  const QString data_path = QFile::decodeName(data_folder.c_str());
  const QString asked = early.value(language_option);
  const QString language = ResolveLanguage(asked, ReadLanguageSettings(data_path));
  if (early.isSet(language_option) && language != asked) {
    std::fprintf(stderr, "No language %s; this run speaks %s\n", qPrintable(asked),
                 qPrintable(language));
  }
  InstallTranslations(app, language);

  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "Startup", "Plans guillotine cuts of glass pieces from stock sheets."));
  parser.addHelpOption();
  parser.addVersionOption();
  data_dir_option.setDescription(QCoreApplication::translate("Startup", "The data folder to use."));
  parser.addOption(data_dir_option);
  language_option.setDescription(
      QCoreApplication::translate("Startup", "The language of this run (en, de, it, es, fr, tr)."));
  parser.addOption(language_option);
  parser.addPositionalArgument("JOB",
                               QCoreApplication::translate("Startup", "A job file to open."));
  parser.process(app);

  const QString title = QLatin1String(kApplicationTitle);
  SingleInstanceLock lock;
  if (!lock.CheckMutex(title)) {
    const QString text = QCoreApplication::translate("Startup", "%1 is already running").arg(title);
    std::fprintf(stderr, "%s\n", qPrintable(text));
    QMessageBox::information(nullptr, title, text);
    return 0;
  }

  if (const auto error = SeedDataFolder(data_folder)) {
    QMessageBox::critical(nullptr, title, QString::fromLocal8Bit(error->c_str()));
    return 1;
  }

  std::vector<std::string> words;
  for (const QString& word : parser.positionalArguments()) {
    words.push_back(QFile::encodeName(word).toStdString());
  }
  LauncherSetup setup;
  setup.workspace = {data_folder, ClaimStartStampNow(data_folder)};
  setup.command_line_file = CommandLineJobFile(words);
  Launcher launcher(std::move(setup));
  launcher.show();
  return QApplication::exec();
}

}  // namespace lumora
