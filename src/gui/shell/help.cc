#include "gui/shell/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace lumora {

QString FindHelpFile(const QString& data_folder) {
  const QString page = QStringLiteral("help/index.html");
  QStringList candidates;
  if (!data_folder.isEmpty()) candidates << QDir(data_folder).filePath(page);
  candidates << QDir(QCoreApplication::applicationDirPath())
                    .filePath(QStringLiteral("../share/lumora/") + page);
  candidates << QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                       QStringLiteral("lumora/") + page);
  candidates << QDir(QStringLiteral(LUMORA_SOURCE_DATA_DIR)).filePath(page);
  for (const QString& candidate : candidates) {
    if (!candidate.isEmpty() && QFileInfo(candidate).isFile()) {
      return QFileInfo(candidate).absoluteFilePath();
    }
  }
  return {};
}

void OpenHelpFile(const QString& data_folder) {
  const QString file = FindHelpFile(data_folder);
  if (!file.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace lumora
