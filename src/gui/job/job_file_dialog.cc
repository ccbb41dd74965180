#include "gui/job/job_file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QStringList>

namespace lumora {

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromLatin1(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    if (pattern.isEmpty() || description == pattern) {
      filters << (description.isEmpty() ? pattern : description);
    } else if (description.contains(QLatin1Char('('))) {
      filters << description;
    } else {
      filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
  }
  filters.removeAll(QString());
  return filters.join(QStringLiteral(";;"));
}

QString DefaultSuffix(const std::string& filter) {
  const QStringList parts = QString::fromLatin1(filter).split(QLatin1Char('|'));
  const QString pattern = parts.size() > 1 ? parts[1].trimmed() : parts[0].trimmed();
  if (!pattern.startsWith(QStringLiteral("*."))) return {};
  const QString suffix = pattern.mid(2);
  if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char(' '))) return {};
  return suffix;
}

FileDialog MakeJobFileDialog(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const FileDialogRequest& request) -> std::optional<std::string> {
    QFileDialog dialog(owner, QString::fromLatin1(request.title));
    dialog.setNameFilter(QtFileFilter(request.filter));
    if (request.kind == FileDialogKind::kOpen) {
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setFileMode(QFileDialog::AnyFile);
      dialog.setDefaultSuffix(DefaultSuffix(request.filter));
    }
    if (!request.file_name.empty()) dialog.selectFile(QFile::decodeName(request.file_name.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
  };
}

}  // namespace lumora
