#include "gui/reports/labels_window.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>

#include "core/job/job_grids.h"
#include "core/layouts/layouts_load.h"
#include "core/reports/label_pages.h"
#include "core/tables/file_routines.h"
#include "core/version.h"
#include "render/label_print.h"
#include "gui/shell/help.h"

namespace lumora {
namespace {

void TellRefusal(Prompter& prompter, const std::string& text) {
  prompter.Ask({.title = kApplicationTitle,
                .text = text,
                .icon = PromptIcon::kExclamation,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
}

}  // namespace

LabelsWindow::LabelsWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent)
    : SettingsRowWindow(QStringLiteral("Define Labels"), LoadLabelsGrid(workspace), prompter,
                        parent) {
  setObjectName(QStringLiteral("LABELS"));
  apply_button()->setText(QStringLiteral("Close"));
  apply_button()->setObjectName(QStringLiteral("cmdClose"));
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this,
          [this, folder = QString::fromStdString(workspace.data_folder)] {
            OpenHelpFile(folder, this);
          });
}

bool PrintLabels(QPrinter& printer, const LoadedResult& result, const Job& job,
                 Prompter& prompter) {
  const LabelFile labels = ComposeWorkspaceLabels(result, job.workspace, ReportUnit(job));
  if (!labels.error.empty()) {
    TellRefusal(prompter, labels.error);
    return false;
  }
  const std::string file = job.workspace.WorkingFile(kLabelFileName);
  if (const auto error = SaveFile(file, labels.bytes)) {
    TellRefusal(prompter, *error);
    return false;
  }
  SetLabelPageLayout(printer);
  return PrintLabelPages(printer, labels.bytes);
}

void PrintLabelsWithDialog(QWidget* parent, const LoadedResult& result, const Job& job,
                           Prompter& prompter) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print Labels"));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintLabels(printer, result, job, prompter);
}

}  // namespace lumora
