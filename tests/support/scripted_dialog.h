#ifndef LUMORA_TESTS_SUPPORT_SCRIPTED_DIALOG_H_
#define LUMORA_TESTS_SUPPORT_SCRIPTED_DIALOG_H_

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/job/file_commands.h"

namespace lumora::testing {

// Answers file dialogs from a script (nullopt cancels) and records what they were asked.
struct ScriptedDialog {
  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> requests;

  FileDialog Callback() {
    return [this](const FileDialogRequest& request) -> std::optional<std::string> {
      requests.push_back(request);
      if (answers.empty()) return std::nullopt;
      auto answer = answers.front();
      answers.pop_front();
      return answer;
    };
  }
};

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_SUPPORT_SCRIPTED_DIALOG_H_
