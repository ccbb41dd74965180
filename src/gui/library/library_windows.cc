#include "gui/library/library_windows.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/library/library_files.h"
#include "core/library/material_library.h"
#include "core/library/product_library.h"
#include "gui/shell/language.h"
#include "gui/tables/grid_toolbar.h"
#include "gui/tables/grid_widget.h"

namespace lumora {

LibraryWindow::LibraryWindow(const QString& caption, Grid grid, std::string working_file,
                             Prompter& prompter, std::function<bool(Grid&)> save_on_close,
                             QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      working_file_(std::move(working_file)),
      save_on_close_(std::move(save_on_close)),
      grid_(new GridWidget(this)),
      done_(new QPushButton(tr("Done"), this)) {
  setWindowTitle(caption);
  grid_->SetPrompter(&prompter_);
  grid_->SetGrid(std::move(grid));
  done_->setObjectName(QStringLiteral("cmd"));
  done_->setToolTip(tr("Update"));
  done_->setAutoDefault(false);
  connect(done_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(done_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new GridToolBar(grid_, this));
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  const QSize grid_size = grid_->sizeHint();
  resize(grid_size.width() + 24, 460);
  grid_->setFocus();
}

void LibraryWindow::done(int result) {
  const bool stored = save_on_close_(grid_->grid());
  grid_->Refresh();
  if (!stored) {
    // Further sorts must go on storing into the working copy, not into the library.
    grid_->grid().tag = working_file_;
    return;
  }
  QDialog::done(result);
}

MaterialLibraryWindow::MaterialLibraryWindow(const Workspace& workspace, Prompter& prompter,
                                             bool auto_merge, QWidget* parent)
    : LibraryWindow(
          tr("Material Library Manager"), LoadMaterialLibraryGrid(workspace),
          workspace.WorkingFile(kMaterialWorkingFile), prompter,
          [workspace, &prompter](Grid& grid) {
            return CloseMaterialLibrary(grid, workspace, prompter);
          },
          parent),
      workspace_(workspace),
      mode_(auto_merge ? QString::fromLatin1(kAutoMergeMode) : QString()) {
  setObjectName(QStringLiteral("MLM"));
}

void MaterialLibraryWindow::showEvent(QShowEvent* event) {
  LibraryWindow::showEvent(event);
  if (!mode_.isEmpty()) QTimer::singleShot(0, this, &MaterialLibraryWindow::AutoMerge);
}

void MaterialLibraryWindow::AutoMerge() {
  if (mode_.isEmpty()) return;
  mode_.clear();
  const bool merged = AutoMergeLibrary(workspace_, prompter());
  CloseUnasked(merged ? QDialog::Accepted : QDialog::Rejected);
}

ProductLibraryWindow::ProductLibraryWindow(const Workspace& workspace, Prompter& prompter,
                                           QWidget* parent)
    : LibraryWindow(
          tr("Product Library Manager"), LoadProductLibraryGrid(workspace),
          workspace.WorkingFile(kProductWorkingFile), prompter,
          [workspace, &prompter](Grid& grid) {
            return CloseProductLibrary(grid, workspace, prompter);
          },
          parent) {
  setObjectName(QStringLiteral("PLM"));
}

DataTableWindow::DataTableWindow(const Workspace& workspace, const DataTable& table,
                                 Prompter& prompter, QWidget* parent)
    : LibraryWindow(
          CoreText(table.caption), LoadDataTableGrid(workspace, table),
          workspace.WorkingFile(table.working_file), prompter,
          [workspace, &table, &prompter](Grid& grid) {
            return CloseDataTable(grid, workspace, table, prompter);
          },
          parent) {
  setObjectName(QString::fromLatin1(table.name));
}

void ShowLauncherModule(QDialog* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
}

}  // namespace lumora
