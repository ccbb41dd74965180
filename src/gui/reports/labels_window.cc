#include "gui/reports/labels_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>

#include "core/base/file_routines.h"
#include "core/base/version.h"
#include "core/cuts/breakout_settings.h"
#include "core/job/job_grids.h"
#include "core/job/job_messages.h"
#include "core/racks/workspace_racks.h"
#include "core/reports/label_codes.h"
#include "core/reports/label_pages.h"
#include "core/reports/layout_print.h"
#include "core/reports/layouts_load.h"
#include "gui/shell/help.h"
#include "gui/shell/language.h"
#include "gui/shell/printed_language.h"
#include "gui/tables/grid_widget.h"
#include "render/coded_label_print.h"
#include "render/label_print.h"

namespace lumora {
namespace {

// What each column of lbl.def means to the printing of the labels.
constexpr std::pair<std::string_view, const char*> kColumnTips[] = {
    {"ROWS", QT_TRANSLATE_NOOP("lumora::LabelsWindow", "Rows of labels on a page")},
    {"COLS", QT_TRANSLATE_NOOP("lumora::LabelsWindow", "Labels side by side in a row")},
    {"HS", QT_TRANSLATE_NOOP(
               "lumora::LabelsWindow",
               "Horizontal start: the character column where the first label of a row begins (1 is "
               "the left edge)")},
    {"HP",
     QT_TRANSLATE_NOOP(
         "lumora::LabelsWindow",
         "Horizontal pitch: characters from the start of one label to the start of the next")},
    {"VS", QT_TRANSLATE_NOOP("lumora::LabelsWindow",
                             "Vertical start: empty lines at the top of every page")},
    {"VP", QT_TRANSLATE_NOOP("lumora::LabelsWindow",
                             "Vertical pitch: empty lines after every row of labels")},
};

std::vector<QString> ColumnTips(const Grid& grid) {
  std::vector<QString> tips;
  for (int c = 0; c < grid.Cols(); ++c) {
    QString tip;
    for (const auto& [heading, text] : kColumnTips) {
      if (grid.Text(0, c) == heading) tip = LabelsWindow::tr(text);
    }
    tips.push_back(tip);
  }
  return tips;
}

void TellRefusal(Prompter& prompter, const std::string& text) {
  prompter.Ask({.title = kApplicationTitle,
                .text = text,
                .icon = PromptIcon::kExclamation,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
}

}  // namespace

LabelsWindow::LabelsWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent)
    : SettingsRowWindow(tr("Define Labels"), LoadLabelsGrid(workspace), prompter, parent) {
  setObjectName(QStringLiteral("LABELS"));
  grid_widget()->SetHeaderToolTips(ColumnTips(grid_widget()->grid()));
  apply_button()->setText(tr("Close"));
  apply_button()->setObjectName(QStringLiteral("cmdClose"));

  const LabelCodeSettings codes = LoadLabelCodeSettings(workspace);
  auto* position = new QCheckBox(QString::fromLatin1(kLayoutPositionCaption), this);
  position->setObjectName(QStringLiteral("chkLayoutPosition"));
  position->setChecked(codes.layout_position);
  auto* code = new QComboBox(this);
  code->setObjectName(QStringLiteral("cmbCode"));
  for (const std::string_view name : kLabelCodeNames) code->addItem(QString::fromLatin1(name));
  code->setCurrentIndex(static_cast<int>(codes.code));
  auto* row = new QHBoxLayout;
  row->addWidget(position);
  row->addStretch(1);
  row->addWidget(new QLabel(QString::fromLatin1(kCodeCaption), this));
  row->addWidget(code);
  const BreakoutSettings breakout = LoadBreakoutSettings(workspace);
  auto* in_order = new QCheckBox(CoreText(kLabelsInBreakoutOrderCaption), this);
  in_order->setObjectName(QStringLiteral("chkBreakoutOrder"));
  in_order->setChecked(breakout.labels_in_order);
  auto* rack = new QCheckBox(CoreText(kRackOnLabelsCaption), this);
  rack->setObjectName(QStringLiteral("chkRackAndSlot"));
  rack->setChecked(breakout.rack_on_labels);
  auto* order_row = new QHBoxLayout;
  order_row->addWidget(in_order);
  order_row->addStretch(1);
  order_row->addWidget(rack);
  if (auto* box = qobject_cast<QBoxLayout*>(layout())) {
    box->insertLayout(1, row);
    box->insertLayout(2, order_row);
  }
  // Stored with lbl.def when the window closes by "Close".
  connect(this, &QDialog::accepted, this, [workspace, position, code, in_order, rack, &prompter] {
    const LabelCodeSettings chosen{position->isChecked(),
                                   static_cast<LabelCode>(code->currentIndex())};
    if (const auto error = SaveLabelCodeSettings(workspace, chosen)) {
      TellSaveFailure(prompter, {workspace.SettingsFile(kLabelCodeFileName), *error});
    }
    BreakoutSettings breakout = LoadBreakoutSettings(workspace);
    breakout.labels_in_order = in_order->isChecked();
    breakout.rack_on_labels = rack->isChecked();
    if (const auto error = SaveBreakoutSettings(workspace, breakout)) {
      TellSaveFailure(prompter, {workspace.SettingsFile(kBreakoutSettingsFileName), *error});
    }
  });
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
  if (!LabelsHaveAdditions(job.workspace)) {
    return PrintLabelPages(printer, labels.bytes, PrintedLineTextOf(job.workspace.data_folder));
  }
  const LabelCodeSettings codes = LoadLabelCodeSettings(job.workspace);
  const CodedLabels coded =
      WorkspaceCodedLabels(result, job.workspace, ReportUnit(job), FileTitle(job.file_name));
  if (!coded.error.empty()) {
    TellRefusal(prompter, coded.error);
    return false;
  }
  return PrintCodedLabels(printer, coded.labels, WorkspaceLabelGrid(job.workspace), codes,
                          PrintedLineTextOf(job.workspace.data_folder));
}

void PrintLabelsWithDialog(QWidget* parent, const LoadedResult& result, const Job& job,
                           Prompter& prompter) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(LabelsWindow::tr("Print Labels"));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintLabels(printer, result, job, prompter);
}

}  // namespace lumora
