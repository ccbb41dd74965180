#include "gui/layouts/add_new_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/file_routines.h"
#include "core/layouts/edit_exchange.h"
#include "core/tables/table_file.h"
#include "gui/shell/language.h"
#include "render/layout_render.h"

namespace lumora {
namespace {

constexpr float kListFontPt = 9;

}  // namespace

AddNewDialog::AddNewDialog(const std::string& list_path, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("AddNew"));
  setWindowTitle(CoreText(kAddNewCaption));
  setModal(true);

  const QFont fixed = SectionFont(kListFontPt);
  auto* header = new QLabel(CoreText(kAddNewHeader), this);
  header->setObjectName(QStringLiteral("Hdrlbl"));
  header->setFont(fixed);
  list_->setObjectName(QStringLiteral("Lst"));
  list_->setFont(fixed);
  for (const std::string& line :
       AddNewLines(ReadFileBytes(list_path, kTableFileLimit).value_or(""))) {
    list_->addItem(QString::fromLatin1(line));
  }
  connect(list_, &QListWidget::itemDoubleClicked, this, &AddNewDialog::Next);

  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmd0"));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* next = new QPushButton(tr("Next"), this);
  next->setObjectName(QStringLiteral("cmd1"));
  next->setDefault(true);
  connect(next, &QPushButton::clicked, this, &AddNewDialog::Next);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header);
  layout->addWidget(list_, 1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(cancel);
  row->addWidget(next);
  layout->addLayout(row);
  const QFontMetrics metrics(fixed);
  setMinimumWidth(metrics.horizontalAdvance(QString(64, QLatin1Char('0'))));
  list_->setFocus();
}

void AddNewDialog::Next() {
  const int selected = list_->selectedItems().isEmpty() ? -1 : list_->currentRow();
  if (const std::optional<int> choice = AddNewChoice(selected, prompter_)) {
    choice_ = *choice;
    accept();
    return;
  }
  list_->setFocus();
}

}  // namespace lumora
