#ifndef LUMORA_CORE_DEEP_DEEP_PROGRESS_H_
#define LUMORA_CORE_DEEP_DEEP_PROGRESS_H_

#include <string>
#include <string_view>

#include "core/deep/deep_optimization.h"
#include "core/engine2d/progress.h"

// The Progress window's figures for a deep run: its bar and times count seconds of the time
// limit (or steps of a budget), and the message names the stock the best result takes.
namespace lumora {

inline constexpr std::string_view kDeepStartingMessage =
    "Deep optimization: starting from the standard engine's result...";

ProgressStart DeepProgressStart(const DeepSettings& settings, Objective objective);
ProgressFigures DeepProgressFigures(const DeepProgress& progress, bool coil_mode);

// What the search did, in three lines: its steps by kind, the results it rejected, and when the
// standard start ended, the first result came and the result kept was found.
std::string DeepFiguresText(const DeepFigures& figures);

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_DEEP_PROGRESS_H_
