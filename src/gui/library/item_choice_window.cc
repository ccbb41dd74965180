#include "gui/library/item_choice_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/file_routines.h"
#include "core/library/library_files.h"
#include "core/tables/table_file.h"

namespace lumora {

ItemChoiceWindow::ItemChoiceWindow(const Workspace& workspace, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), select_(new QPushButton(tr("Select"), this)) {
  setObjectName(QStringLiteral("ItemChoice"));
  setWindowTitle(tr("Item Choice"));
  list_->setObjectName(QStringLiteral("Lst"));
  select_->setObjectName(QStringLiteral("cmd"));
  select_->setDefault(true);
  const std::string entries =
      ReadFileBytes(workspace.SettingsFile(kChoiceListFile), kTableFileLimit).value_or("");
  for (const std::string& entry : ReadChoiceList(entries)) {
    list_->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
  }
  if (list_->count() > 0) list_->setCurrentRow(0);
  connect(select_, &QPushButton::clicked, this, &ItemChoiceWindow::Select);
  connect(list_, &QListWidget::itemActivated, this, &ItemChoiceWindow::Select);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(select_);
  resize(240, 280);
  list_->setFocus();
}

void ItemChoiceWindow::Select() {
  const QListWidgetItem* item = list_->currentItem();
  if (item == nullptr) return;
  choice_ = item->text().toLatin1().toStdString();
  accept();
}

std::optional<std::string> ChooseItem(const Workspace& workspace, QWidget* parent) {
  ItemChoiceWindow window(workspace, parent);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.choice();
}

}  // namespace lumora
