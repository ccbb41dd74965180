#ifndef LUMORA_TESTS_SUPPORT_SCRIPTED_PROMPTER_H_
#define LUMORA_TESTS_SUPPORT_SCRIPTED_PROMPTER_H_

#include <deque>
#include <vector>

#include "core/base/prompter.h"

namespace lumora::testing {

// Answers prompts from a script and records every prompt it was shown. An unplanned prompt
// gets its default answer and is recorded all the same, so a test sees it.
class ScriptedPrompter : public Prompter {
 public:
  ScriptedPrompter() = default;
  explicit ScriptedPrompter(std::deque<PromptAnswer> answers) : answers_(std::move(answers)) {}

  PromptAnswer Ask(const Prompt& prompt) override;

  void Plan(PromptAnswer answer) { answers_.push_back(answer); }
  const std::vector<Prompt>& prompts() const { return prompts_; }
  // The texts of the prompts shown so far, in order.
  std::vector<std::string> Texts() const;

 private:
  std::deque<PromptAnswer> answers_;
  std::vector<Prompt> prompts_;
};

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_SUPPORT_SCRIPTED_PROMPTER_H_
