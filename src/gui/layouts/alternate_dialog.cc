#include "gui/layouts/alternate_dialog.h"

#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/shell/help.h"
#include "gui/shell/language.h"

namespace lumora {

AlternateDialog::AlternateDialog(int16_t pattern_counter, const Workspace& workspace, QWidget* over,
                                 QWidget* parent)
    : QDialog(parent), over_(over) {
  setObjectName(QStringLiteral("ALT"));
  setWindowTitle(QString::fromStdString(AlternateCaption(pattern_counter)));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  for (size_t index = 0; index < kAlternateChoiceCaptions.size(); ++index) {
    auto* button = new QPushButton(CoreText(kAlternateChoiceCaptions[index]), this);
    button->setObjectName(QStringLiteral("cmd%1").arg(index));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, index] {
      choice_ = static_cast<AlternateChoice>(index);
      accept();
    });
    layout->addWidget(button);
  }
  auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help_key, &QShortcut::activated, this,
          [this, folder = QString::fromStdString(workspace.data_folder)] {
            OpenHelpFile(folder, this);
          });
  setMinimumWidth(260);
}

void AlternateDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (over_ == nullptr) return;
  const QPoint corner = over_->mapToGlobal(QPoint(over_->width(), 0));
  move(corner.x() - frameGeometry().width() - 8, corner.y() + 8);
}

}  // namespace lumora
