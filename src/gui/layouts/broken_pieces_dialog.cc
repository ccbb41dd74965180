#include "gui/layouts/broken_pieces_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lumora {

BrokenPiecesDialog::BrokenPiecesDialog(const LoadedResult& result, Unit unit, int shown_layout,
                                       const std::vector<PiecePlace>& marked, QWidget* parent)
    : QDialog(parent),
      choices_(PieceChoices(result, unit)),
      list_(new QListWidget(this)),
      recut_(new QPushButton(tr("Recut"), this)) {
  setObjectName(QStringLiteral("BROKEN"));
  setWindowTitle(tr("Broken Pieces"));
  list_->setObjectName(QStringLiteral("lstPieces"));
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  QListWidgetItem* first_shown = nullptr;
  for (const PieceChoice& choice : choices_) {
    auto* item = new QListWidgetItem(QString::fromLatin1(choice.text), list_);
    if (first_shown == nullptr && choice.place.layout_no == shown_layout) first_shown = item;
    item->setSelected(std::find(marked.begin(), marked.end(), choice.place) != marked.end());
  }
  if (first_shown != nullptr) list_->scrollToItem(first_shown, QAbstractItemView::PositionAtTop);
  recut_->setObjectName(QStringLiteral("cmdRecut"));
  recut_->setEnabled(false);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  recut_->setEnabled(!list_->selectedItems().isEmpty());
  connect(list_, &QListWidget::itemSelectionChanged, this,
          [this] { recut_->setEnabled(!list_->selectedItems().isEmpty()); });
  connect(recut_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(recut_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(tr("Select the pieces that broke: they go into a new job, cut from the "
                    "library's leftovers first."),
                 this));
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(560, 420);
}

std::vector<PiecePlace> BrokenPiecesDialog::Chosen() const {
  std::vector<PiecePlace> chosen;
  for (int row = 0; row < list_->count(); ++row) {
    if (list_->item(row)->isSelected()) chosen.push_back(choices_[static_cast<size_t>(row)].place);
  }
  return chosen;
}

}  // namespace lumora
