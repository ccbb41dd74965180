#ifndef LUMORA_CORE_JOB_DATA_CHANGE_H_
#define LUMORA_CORE_JOB_DATA_CHANGE_H_

#include <functional>
#include <string>

#include "core/base/prompter.h"

// What a change of job data means for the result of an earlier optimization.
namespace lumora {

// What the windows around the job do when the result is hidden or dropped.
struct ResultViewActions {
  // Closes the Layouts, Report and Balance And Scrap Table windows and gives the focus back to
  // the control that had it.
  std::function<void()> close_result_views;
  // Resets the status texts to "= NA" and forgets the resume point of a stopped optimization.
  std::function<void()> forget_result;
};

// Whether job data may change. Without layouts in the working dia.tlf the answer is yes at once.
// Otherwise the user is asked; on Yes the result windows close, dia.tlf is emptied and the
// result is forgotten, so the first change after an optimization discards its layouts. A dia.tlf
// that cannot be emptied is told and answers no: the change would outlive the layouts' data.
bool ConfirmDataChange(const std::string& dia_path, Prompter& prompter,
                       const ResultViewActions& actions);

// Closes the result windows when there are layouts; the layouts stay.
void CloseResultViews(const std::string& dia_path, const ResultViewActions& actions);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_DATA_CHANGE_H_
