#include "gui/reports/report_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <algorithm>

#include "core/base/file_routines.h"
#include "core/reports/report.h"
#include "core/reports/report_rows.h"
#include "core/tables/table_file.h"
#include "gui/shell/printed_language.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"
#include "render/layout_render.h"

namespace lumora {
namespace {

constexpr std::string_view kReportGridFileName = "rptgrid.tlf";
constexpr int kReportColumnWidth = 80;
const QColor kSectionShade(192, 192, 192);
const QColor kLossColour(255, 0, 0);
// The design's "inner height less 200 twips".
constexpr int kHeightAllowance = 13;
// The sub-window's borders around the grid.
constexpr int kFrameAllowance = 24;

Grid ReportGrid(const Workspace& workspace) {
  Grid grid;
  std::string heading = "REPORT";
  heading.resize(kReportColumnWidth, ' ');
  ApplyFormatString(grid, "<Sr No|<" + heading);
  grid.tag = workspace.WorkingFile(kReportGridFileName);
  LoadTableFromBytes(grid, ReadFileBytes(workspace.WorkingFile(kReportFileName), kTableFileLimit));
  RenumberRows(grid);
  return grid;
}

}  // namespace

ReportWindow::ReportWindow(const Workspace& workspace, Prompter& prompter, QWidget* parent)
    : QWidget(parent), grid_(new GridWidget(this)), toolbar_(new GridToolBar(grid_, this)) {
  setObjectName(QStringLiteral("REPORT"));
  setWindowTitle(tr("Report"));
  // Fixed pitch, so that the report's columns line up.
  grid_->setFont(SectionFont(9));
  grid_->SetPrompter(&prompter);
  grid_->SetTakesNewRows(false);
  grid_->SetGrid(ReportGrid(workspace));
  grid_->SetRowStyle([this](int row) {
    const ReportRowLook look = LookOfReportRow(grid_->grid().Text(row, 1));
    GridRowStyle style;
    if (look.shaded) style.background = kSectionShade;
    if (look.bold) style.foreground = look.loss ? kLossColour : QColor(Qt::black);
    style.bold = look.bold;
    return style;
  });
  grid_->SetCurrentCell(1, 1);
  grid_->SetPrintedLineText(PrintedLineTextOf(workspace.data_folder));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar_);
  layout->addWidget(grid_, 1);
  setFocusProxy(grid_);
}

void ReportWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (sized_) return;
  sized_ = true;
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (frame == nullptr || frame->mdiArea() == nullptr) return;
  const QRect inner = frame->mdiArea()->viewport()->rect();
  const int width = std::min(inner.width(), grid_->sizeHint().width() + kFrameAllowance);
  frame->resize(std::max(frame->minimumSizeHint().width(), width),
                std::max(frame->minimumSizeHint().height(), inner.height() - kHeightAllowance));
  grid_->setFocus();
}

}  // namespace lumora
