#ifndef LUMORA_CLI_PROGRESS_BAR_H_
#define LUMORA_CLI_PROGRESS_BAR_H_

#include <chrono>
#include <ostream>

#include "core/engine2d/progress.h"

namespace lumora::cli {

// One line on a terminal, redrawn in place as passes end: a bar, passes done of the total,
// improvements, the best yield, elapsed and remaining time. Redraws at most a few times a second
// and always for the last pass.
class ProgressBar {
 public:
  explicit ProgressBar(std::ostream& out) : out_(out) {}

  void Update(const ProgressFigures& figures);
  // Ends the line once anything was drawn.
  void Finish();

 private:
  std::ostream& out_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point last_draw_;
};

}  // namespace lumora::cli

#endif  // LUMORA_CLI_PROGRESS_BAR_H_
