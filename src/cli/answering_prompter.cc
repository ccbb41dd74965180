#include "cli/answering_prompter.h"

#include <string_view>

namespace lumora::cli {
namespace {

std::string_view AnswerText(PromptAnswer answer) {
  switch (answer) {
    case PromptAnswer::kOk:
      return "OK";
    case PromptAnswer::kYes:
      return "Yes";
    case PromptAnswer::kNo:
      return "No";
    case PromptAnswer::kCancel:
      return "Cancel";
  }
  return "OK";
}

std::string_view KindText(const Prompt& prompt) {
  if (prompt.buttons != PromptButtons::kOk) return "question";
  return prompt.icon == PromptIcon::kInformation ? "notice" : "refusal";
}

}  // namespace

PromptAnswer AnsweringPrompter::Ask(const Prompt& prompt) {
  PromptAnswer answer = PromptAnswer::kOk;
  if (prompt.buttons != PromptButtons::kOk) {
    const PromptAnswer agree =
        prompt.buttons == PromptButtons::kOkCancel ? PromptAnswer::kOk : PromptAnswer::kYes;
    answer = strict_ ? prompt.default_answer : agree;
  }
  // One line per message box: line breaks inside a text become blanks.
  std::string text = prompt.text;
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  out_ << KindText(prompt) << ": " << text << " -> " << AnswerText(answer) << "\n";
  return answer;
}

}  // namespace lumora::cli
