#include "gui/job/job_file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QStringList>

#include "core/job/file_filter.h"
#include "gui/shell/language.h"

namespace lumora {
namespace {

// The description without the globs it shows in brackets, which the dialog writes anew from the
// entry's own globs: globs written with commas would not be read as globs. In the desktop's
// language.
QString DescriptionWithoutGlobs(const std::string& description) {
  QString text = QString::fromLatin1(description);
  const qsizetype open = text.lastIndexOf(QLatin1Char('('));
  if (text.endsWith(QLatin1Char(')')) && open >= 0 && text.indexOf(QLatin1Char('*'), open) >= 0) {
    text = text.left(open).trimmed();
  }
  return CoreText(text.toLatin1().toStdString());
}

QStringList QtFilters(const std::string& filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    QStringList globs;
    for (const std::string& glob : entry.patterns) globs << QString::fromLatin1(glob);
    const QString description = DescriptionWithoutGlobs(entry.description);
    const QString pattern = globs.join(QLatin1Char(' '));
    filters << (description == pattern || description.isEmpty()
                    ? pattern
                    : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
  }
  return filters;
}

}  // namespace

QString QtFileFilter(const std::string& filter) { return QtFilters(filter).join(";;"); }

FileDialog MakeJobFileDialog(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const FileDialogRequest& request) -> std::optional<std::string> {
    QFileDialog dialog(owner, CoreText(request.title));
    const QStringList filters = QtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.kind == FileDialogKind::kOpen) {
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setFileMode(QFileDialog::AnyFile);
      // The extension of the filter in view, so that the question before replacing a file asks
      // about the name that will be written.
      const auto follow = [&dialog, &filters, &request](const QString& chosen) {
        const qsizetype entry = filters.indexOf(chosen);
        dialog.setDefaultSuffix(QString::fromLatin1(
            entry < 0 ? std::string() : FilterExtension(request.filter, size_t(entry))));
      };
      follow(filters.value(0));
      QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    }
    if (!request.file_name.empty()) dialog.selectFile(QFile::decodeName(request.file_name.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return std::nullopt;
    }
    std::string chosen = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    if (request.kind == FileDialogKind::kSave) {
      const qsizetype entry = filters.indexOf(dialog.selectedNameFilter());
      chosen = SaveNameWithExtension(chosen, request.filter, entry < 0 ? 0 : size_t(entry));
    }
    return chosen;
  };
}

}  // namespace lumora
