#include "core/job/job_messages.h"

#include "core/base/version.h"
#include "core/tables/table_file.h"

namespace lumora {

void TellSaveFailure(Prompter& prompter, const SaveFailure& failure) {
  prompter.Ask({.title = kApplicationTitle,
                .text = SaveFailureText(failure),
                .icon = PromptIcon::kExclamation,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
}

bool StoreGrid(const Grid& grid, Prompter& prompter) {
  if (const auto reason = SaveTable(grid)) {
    TellSaveFailure(prompter, {grid.tag, *reason});
    return false;
  }
  return true;
}

}  // namespace lumora
