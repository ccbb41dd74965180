#ifndef LUMORA_CORE_JOB_JOB_MESSAGES_H_
#define LUMORA_CORE_JOB_JOB_MESSAGES_H_

#include <string>
#include <string_view>

#include "core/base/file_routines.h"
#include "core/base/prompter.h"
#include "core/tables/grid.h"

// The texts the job model shows the user, and how it tells of a file it could not write.
namespace lumora {

inline constexpr std::string_view kAttentionTitle = "Attention!";
inline constexpr std::string_view kSaveChangesText = "Save changes in current file?";
inline constexpr std::string_view kEarlierVersionText =
    "Earlier version data file detected. Set the required tolerance and optimize.";
inline constexpr std::string_view kSaveAsDefaultsText =
    "Current Data in Basic Details and Optimization Options will be saved as DEFAULTS. Do you "
    "want to continue?";
inline constexpr std::string_view kSaveChargeChangesText = "Save Changes?";
inline constexpr std::string_view kAreaRefusalText =
    "Total Glass Size Area is MORE then Total Sheet Area!";
inline constexpr std::string_view kStartQuestionText = "Start OPTIMIZATION?";

// "Could not save <file>: <reason>" with the application title and the exclamation icon.
void TellSaveFailure(Prompter& prompter, const SaveFailure& failure);

// Stores a grid into its table file; a failure is told and answers false.
bool StoreGrid(const Grid& grid, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_MESSAGES_H_
