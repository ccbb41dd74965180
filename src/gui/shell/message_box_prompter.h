#ifndef LUMORA_GUI_SHELL_MESSAGE_BOX_PROMPTER_H_
#define LUMORA_GUI_SHELL_MESSAGE_BOX_PROMPTER_H_

#include <QPointer>
#include <QWidget>

#include "core/base/prompter.h"

namespace lumora {

// Shows every prompt as a modal message box over the parent window.
class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  PromptAnswer Ask(const Prompt& prompt) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_MESSAGE_BOX_PROMPTER_H_
