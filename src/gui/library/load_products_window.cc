#include "gui/library/load_products_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/number_text.h"
#include "core/job/job_messages.h"
#include "core/library/library_files.h"
#include "core/library/product_library.h"
#include "core/library/product_loading.h"
#include "core/tables/table_file.h"
#include "gui/library/item_choice_window.h"
#include "gui/tables/grid_widget.h"

namespace lumora {

LoadProductsWindow::LoadProductsWindow(Workspace workspace, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      workspace_(std::move(workspace)),
      prompter_(prompter),
      grid_(new GridWidget(this)),
      base_name_(new QLineEdit(this)),
      extension_(new QComboBox(this)),
      load_(new QPushButton(tr("Load"), this)) {
  setObjectName(QStringLiteral("LOADPROD"));
  setWindowTitle(tr("Load Products"));
  grid_->SetPrompter(&prompter_);
  grid_->SetGrid(OpenOrderGrid(workspace_));
  base_name_->setObjectName(QStringLiteral("txt"));
  base_name_->setToolTip(tr("Base name of the job files"));
  extension_->setObjectName(QStringLiteral("cmb"));
  extension_->addItem(QString::fromLatin1(kGeneratedJobExtension));
  load_->setObjectName(QStringLiteral("cmd"));
  load_->setToolTip(tr("Make '.opt' files"));
  load_->setAutoDefault(false);
  connect(grid_, &GridWidget::ItemChoiceRequested, this, &LoadProductsWindow::ChooseProduct);
  connect(load_, &QPushButton::clicked, this, &LoadProductsWindow::Load);

  auto* file = new QHBoxLayout;
  file->addWidget(new QLabel(tr("File name"), this));
  file->addWidget(base_name_, 1);
  file->addWidget(extension_);
  file->addWidget(load_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(file);
  resize(grid_->sizeHint().width() + 40, 360);
  grid_->setFocus();
}

LoadProductsWindow::~LoadProductsWindow() { CloseOrderGrid(workspace_); }

void LoadProductsWindow::done(int result) {
  CloseOrderGrid(workspace_);
  QDialog::done(result);
}

void LoadProductsWindow::ChooseProduct(int row, int col) {
  // The pick list is shared with the item choice of Basic Details, so it is rebuilt here
  // rather than trusted to still list products.
  if (const auto reason = BuildProductList(workspace_)) {
    TellSaveFailure(prompter_, {workspace_.SettingsFile(kChoiceListFile), *reason});
    return;
  }
  const auto choice = ChooseItem(workspace_, this);
  if (choice) {
    Grid& grid = grid_->grid();
    grid.SetText(row, col, *choice);
    EnsureBlankRow(grid);
    grid_->Refresh();
  }
  grid_->setFocus();
}

void LoadProductsWindow::Load() {
  if (!StoreGrid(grid_->grid(), prompter_)) return;
  const std::string base(TrimBlanks(base_name_->text().toLatin1().toStdString()));
  GenerateJobs(workspace_, grid_->grid(),
               {workspace_.data_folder, base, extension_->currentText().toLatin1().toStdString()},
               prompter_);
}

}  // namespace lumora
