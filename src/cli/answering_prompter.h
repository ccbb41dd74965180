#ifndef LUMORA_CLI_ANSWERING_PROMPTER_H_
#define LUMORA_CLI_ANSWERING_PROMPTER_H_

#include <ostream>

#include "core/base/prompter.h"

namespace lumora::cli {

// Answers the message boxes of a command-line run without a person and prints each one with
// the answer it assumed, one line each ("question: ... -> Yes", "refusal: ... -> OK",
// "notice: ... -> OK"). Questions are answered Yes; strict answers take each question's default
// button instead, so "... missing ..., Proceed?" gets No while "Start OPTIMIZATION?" gets Yes.
class AnsweringPrompter : public Prompter {
 public:
  AnsweringPrompter(std::ostream& out, bool strict) : out_(out), strict_(strict) {}

  PromptAnswer Ask(const Prompt& prompt) override;

 private:
  std::ostream& out_;
  bool strict_;
};

}  // namespace lumora::cli

#endif  // LUMORA_CLI_ANSWERING_PROMPTER_H_
