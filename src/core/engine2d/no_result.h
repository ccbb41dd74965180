#ifndef LUMORA_CORE_ENGINE2D_NO_RESULT_H_
#define LUMORA_CORE_ENGINE2D_NO_RESULT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine2d/engine_records.h"
#include "core/engine2d/pass_runner.h"

// Why a run ended without a complete result, as far as its passes tell: which glass sizes no
// pass ever placed and what ended the passes. A run that says only "done" when nothing was
// done leaves the user guessing which number of the job to change.
namespace lumora {

class NoResultEvidence {
 public:
  explicit NoResultEvidence(const GlassList& glasses);

  // Takes in a pass that ended with glass unplaced.
  void Note(const PassOutcome& outcome);

  // "No complete result: ..." naming the glass sizes never placed (in millimetres as typed)
  // and the shortfalls seen, or that EFF gave no pass when none was noted.
  std::string Explanation(float b_mm, bool coil_mode, int16_t efficiency) const;

 private:
  const GlassList& glasses_;
  std::vector<bool> placed_;  // by glass index
  bool noted_ = false;
  bool stock_used_up_ = false;
  bool nothing_fits_ = false;
  bool narrow_balance_ = false;
};

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_NO_RESULT_H_
