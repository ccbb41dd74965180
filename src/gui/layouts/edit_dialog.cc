#include "gui/layouts/edit_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/base/file_routines.h"
#include "core/base/version.h"
#include "gui/shell/help.h"
#include "gui/shell/language.h"
#include "gui/tables/grid_widget.h"

namespace lumora {

EditDialog::EditDialog(EditMode mode, const Workspace& workspace, Prompter& prompter,
                       QWidget* parent)
    : QDialog(parent),
      form_(OpenEditForm(mode, workspace)),
      prompter_(prompter),
      grid_(new GridWidget(this)) {
  setObjectName(QStringLiteral("Edit"));
  setWindowTitle(CoreText(form_.caption));
  setModal(true);

  grid_->SetPrompter(&prompter_);
  grid_->SetTakesNewRows(false);
  grid_->SetEnterNavigation(false);
  grid_->SetGrid(form_.grid);
  // Enter presses the third button once a key has been typed into the grid.
  grid_->SetKeyGate([this](const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) {
      Press(EditButton::kCancel);
      return false;
    }
    QPushButton* confirm = buttons_[2];
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (enter && confirm->isDefault()) {
      confirm->click();
      return false;
    }
    if (!event.text().isEmpty() && !enter) confirm->setDefault(true);
    return true;
  });
  connect(grid_, &GridWidget::ContentsChanged, this, [this] {
    ApplyOrnRule(grid_->grid());
    grid_->Refresh();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  for (size_t line = 0; line < kEditHelpLines.size(); ++line) {
    auto* help = new QLabel(CoreText(kEditHelpLines[line]), this);
    help->setObjectName(QStringLiteral("HelpLbl%1").arg(line));
    help->setVisible(form_.help_line_visible[line]);
    layout->addWidget(help);
  }
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (size_t index = 0; index < buttons_.size(); ++index) {
    auto* button = new QPushButton(CoreText(form_.button_captions[index]), this);
    button->setObjectName(QStringLiteral("cmd%1").arg(index));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, index] { Press(static_cast<EditButton>(index)); });
    row->addWidget(button);
    buttons_[index] = button;
  }
  buttons_[1]->setEnabled(form_.delete_enabled);
  layout->addLayout(row);

  auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help_key, &QShortcut::activated, this,
          [folder = QString::fromStdString(workspace.data_folder), topic = form_.help_topic] {
            OpenHelpTopic(folder, topic);
          });
  setMinimumWidth(460);
  grid_->setFocus();
}

void EditDialog::Press(EditButton button) {
  form_.grid = grid_->grid();
  const EditButtonOutcome outcome = PressEditButton(form_, button, prompter_);
  grid_->grid() = form_.grid;
  grid_->Refresh();
  if (!outcome.close) {
    grid_->setFocus();
    return;
  }
  job_changed_ = outcome.job_changed;
  accept();
}

void EditDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Press(EditButton::kCancel);
    return;
  }
  QDialog::keyPressEvent(event);
}

void EditDialog::done(int result) {
  if (!stored_) {
    stored_ = true;
    // The grid keeps the file it is bound to: Cancel rebinds it to edit.tmp.
    const std::string tag = form_.grid.tag;
    form_.grid = grid_->grid();
    form_.grid.tag = tag;
    if (const auto reason = CloseEditForm(form_)) {
      prompter_.Ask({.title = kApplicationTitle,
                     .text = SaveFailureText({tag, *reason}),
                     .icon = PromptIcon::kExclamation,
                     .buttons = PromptButtons::kOk,
                     .default_answer = PromptAnswer::kOk});
    }
  }
  QDialog::done(result);
}

}  // namespace lumora
