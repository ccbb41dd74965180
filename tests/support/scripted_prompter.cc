#include "support/scripted_prompter.h"

namespace lumora::testing {

PromptAnswer ScriptedPrompter::Ask(const Prompt& prompt) {
  prompts_.push_back(prompt);
  if (answers_.empty()) return prompt.default_answer;
  const PromptAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::vector<std::string> ScriptedPrompter::Texts() const {
  std::vector<std::string> texts;
  for (const Prompt& prompt : prompts_) texts.push_back(prompt.text);
  return texts;
}

}  // namespace lumora::testing
