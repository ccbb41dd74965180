#ifndef LUMORA_CORE_BASE_PROMPTER_H_
#define LUMORA_CORE_BASE_PROMPTER_H_

#include <string>

namespace lumora {

enum class PromptIcon { kQuestion, kExclamation, kInformation, kCritical };
enum class PromptButtons { kOk, kYesNo, kYesNoCancel, kOkCancel };
enum class PromptAnswer { kOk, kYes, kNo, kCancel };

// One message box: the system's own title and text, its icon, buttons and default button.
struct Prompt {
  std::string title;
  std::string text;
  PromptIcon icon = PromptIcon::kInformation;
  PromptButtons buttons = PromptButtons::kOk;
  PromptAnswer default_answer = PromptAnswer::kOk;
};

// How core code asks or tells the user something: the desktop shows a message box, the command
// line prints and answers by its options, tests answer from a script.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual PromptAnswer Ask(const Prompt& prompt) = 0;
};

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_PROMPTER_H_
