#include "gui/racks/rack_plan_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/layouts/loaded_result.h"
#include "core/library/data_tables.h"
#include "core/racks/workspace_racks.h"
#include "core/reports/layouts_load.h"
#include "gui/library/library_windows.h"
#include "gui/shell/language.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"

namespace lumora {

RackPlanWindow::RackPlanWindow(const Job& job, Prompter& prompter, QWidget* parent)
    : QWidget(parent),
      job_(job),
      prompter_(prompter),
      summary_(new QLabel(this)),
      tabs_(new QTabWidget(this)),
      racks_(new QPushButton(tr("Rack Library..."), this)) {
  setObjectName(QStringLiteral("RackPlan"));
  setWindowTitle(tr("Rack Plan"));
  summary_->setObjectName(QStringLiteral("lblSummary"));
  summary_->setWordWrap(true);
  tabs_->setObjectName(QStringLiteral("tabs"));
  for (size_t t = 0; t < grids_.size(); ++t) {
    auto* page = new QWidget(tabs_);
    auto* grid = new GridWidget(page);
    grid->SetPrompter(&prompter_);
    grid->SetTakesNewRows(false);
    // What the plan shows is worked out, not typed: keys move, they do not write.
    grid->SetKeyGate([](const QKeyEvent& event) {
      return event.text().isEmpty() || event.key() == Qt::Key_Return ||
             event.key() == Qt::Key_Enter;
    });
    grid->SetChangeGate([] { return false; });
    auto* page_layout = new QVBoxLayout(page);
    page_layout->setContentsMargins(0, 0, 0, 0);
    page_layout->setSpacing(0);
    page_layout->addWidget(new GridToolBar(grid, page));
    page_layout->addWidget(grid, 1);
    grids_[t] = grid;
    tabs_->addTab(page, QString());
  }
  racks_->setObjectName(QStringLiteral("cmdRacks"));
  racks_->setAutoDefault(false);
  connect(racks_, &QPushButton::clicked, this, &RackPlanWindow::EditRacks);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(summary_, 1);
  buttons->addWidget(racks_, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(buttons);
  layout->addWidget(tabs_, 1);
  setFocusProxy(tabs_);
  resize(900, 520);
  Plan();
}

void RackPlanWindow::Plan() {
  const ResultLoad load = LoadResult(job_);
  if (!load.error.empty()) {
    summary_->setText(CoreText(load.error));
    return;
  }
  const WorkspaceRackPlan planned = PlanWorkspaceRacks(load.result, job_.workspace);
  const RackPlan& plan = planned.plan;
  QStringList lines;
  if (!plan.error.empty()) lines << CoreText(plan.error);
  const int pieces = static_cast<int>(plan.pieces.size());
  lines << tr("%1 pieces in breakout order: %2 in racks, %3 not racked.")
               .arg(pieces)
               .arg(pieces - plan.unplaced)
               .arg(plan.unplaced);
  for (const std::string& note : planned.notes) lines << CoreText(note);
  summary_->setText(lines.join(QLatin1Char('\n')));
  const std::vector<ExportTable> tables = RackPlanTables(plan, load.result, ReportUnit(job_));
  for (size_t t = 0; t < grids_.size() && t < tables.size(); ++t) {
    grids_[t]->SetGrid(TableGrid(tables[t]));
    tabs_->setTabText(
        static_cast<int>(t),
        QStringLiteral("%1 (%2)").arg(CoreText(tables[t].name)).arg(tables[t].rows.size()));
  }
}

void RackPlanWindow::EditRacks() {
  DataTableWindow window(job_.workspace, RackLibraryTable(), prompter_, this);
  window.exec();
  Plan();
}

}  // namespace lumora
