#include "core/job/data_change.h"

#include "core/base/file_routines.h"
#include "core/job/job_messages.h"

namespace lumora {

bool ConfirmDataChange(const std::string& dia_path, Prompter& prompter,
                       const ResultViewActions& actions) {
  if (IsFileEmpty(dia_path)) return true;
  const Prompt question{"Attention!",
                        "You are trying to change data. You need to optimize again. \n\nContinue?",
                        PromptIcon::kQuestion, PromptButtons::kYesNo, PromptAnswer::kYes};
  if (prompter.Ask(question) != PromptAnswer::kYes) return false;
  if (actions.close_result_views) actions.close_result_views();
  // Layouts that stayed would be saved with data they were not made for.
  if (const auto reason = WriteFileAtomically(dia_path, "")) {
    TellSaveFailure(prompter, {dia_path, *reason});
    return false;
  }
  if (actions.forget_result) actions.forget_result();
  return true;
}

void CloseResultViews(const std::string& dia_path, const ResultViewActions& actions) {
  if (!IsFileEmpty(dia_path) && actions.close_result_views) actions.close_result_views();
}

}  // namespace lumora
