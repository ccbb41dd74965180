#include "gui/shell/message_box_prompter.h"

#include <QMessageBox>

#include "gui/shell/language.h"

namespace lumora {
namespace {

QMessageBox::Icon IconOf(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::kQuestion:
      return QMessageBox::Question;
    case PromptIcon::kExclamation:
      return QMessageBox::Warning;
    case PromptIcon::kCritical:
      return QMessageBox::Critical;
    case PromptIcon::kInformation:
      break;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButtons ButtonsOf(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::kOk:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton ButtonOf(PromptAnswer answer) {
  switch (answer) {
    case PromptAnswer::kYes:
      return QMessageBox::Yes;
    case PromptAnswer::kNo:
      return QMessageBox::No;
    case PromptAnswer::kCancel:
      return QMessageBox::Cancel;
    case PromptAnswer::kOk:
      break;
  }
  return QMessageBox::Ok;
}

}  // namespace

PromptAnswer MessageBoxPrompter::Ask(const Prompt& prompt) {
  QMessageBox box(IconOf(prompt.icon), CoreText(prompt.title), CoreText(prompt.text),
                  ButtonsOf(prompt.buttons), parent_);
  if (box.standardButtons() & ButtonOf(prompt.default_answer)) {
    box.setDefaultButton(ButtonOf(prompt.default_answer));
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return PromptAnswer::kOk;
    case QMessageBox::Yes:
      return PromptAnswer::kYes;
    case QMessageBox::No:
      return PromptAnswer::kNo;
    case QMessageBox::Cancel:
      return PromptAnswer::kCancel;
    default:
      break;
  }
  // A question box closed without a button answers No (Cancel where it offers no No).
  if (prompt.buttons == PromptButtons::kOkCancel) return PromptAnswer::kCancel;
  return prompt.buttons == PromptButtons::kOk ? PromptAnswer::kOk : PromptAnswer::kNo;
}

}  // namespace lumora
