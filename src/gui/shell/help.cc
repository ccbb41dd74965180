#include "gui/shell/help.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "core/shell/help_pages.h"
#include "core/shell/installed_data.h"
#include "gui/shell/language.h"
#include "gui/shell/manual_window.h"

namespace lumora {
namespace {

void OpenPage(const QString& data_folder, std::string_view page) {
  const QUrl url = HelpUrl(data_folder, page);
  if (!url.isEmpty() && !QDesktopServices::openUrl(url)) ManualWindow::ShowPage(url);
}

}  // namespace

QString FindHelpFile(const QString& data_folder) {
  const QString page = QStringLiteral("help/index.html");
  QStringList candidates;
  if (!data_folder.isEmpty()) candidates << QDir(data_folder).filePath(page);
  const QString installed = QString::fromStdString(InstalledDataFolder(
      QCoreApplication::applicationDirPath().toStdString(), LUMORA_SOURCE_DATA_DIR));
  if (!installed.isEmpty()) candidates << QDir(installed).filePath(page);
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
  }
  return {};
}

QUrl HelpUrl(const QString& data_folder, std::string_view page) {
  const QString contents = FindHelpFile(data_folder);
  if (contents.isEmpty()) return {};
  const QString text = QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size()));
  const qsizetype hash = text.indexOf(QLatin1Char('#'));
  const QDir folder = QFileInfo(contents).dir();
  // A page written in the desktop's language is in the folder of its code; others are English.
  QString file = folder.filePath(DesktopLanguage() + QLatin1Char('/') + text.left(hash));
  if (!QFileInfo(file).isFile()) file = folder.filePath(text.left(hash));
  QUrl url = QUrl::fromLocalFile(file);
  if (hash >= 0) url.setFragment(text.mid(hash + 1));
  return url;
}

std::string_view HelpPageForWindow(const QWidget* window) {
  if (window == nullptr) return kHelpContentsPage;
  if (const auto* area = window->findChild<QMdiArea*>()) {
    if (const QMdiSubWindow* child = area->activeSubWindow()) {
      return HelpPageFor(child->objectName().toStdString());
    }
  }
  return HelpPageFor(window->objectName().toStdString());
}

void OpenHelpFile(const QString& data_folder, const QWidget* window) {
  OpenPage(data_folder,
           HelpPageForWindow(window != nullptr ? window : QApplication::activeWindow()));
}

void OpenHelpTopic(const QString& data_folder, int topic) {
  OpenPage(data_folder, HelpTopicPage(topic));
}

}  // namespace lumora
