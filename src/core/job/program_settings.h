#ifndef LUMORA_CORE_JOB_PROGRAM_SETTINGS_H_
#define LUMORA_CORE_JOB_PROGRAM_SETTINGS_H_

#include <cstdint>
#include <string>

#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/tables/grid_keys.h"

namespace lumora {

// The program-wide settings and flags. One value lives as long as the program and is handed to
// whatever reads or changes it.
struct ProgramSettings {
  // The unit setting, read from its text in misc.set; kOther until the first job is opened or
  // started new.
  Unit unit = Unit::kOther;
  // The efficiency setting, the EFF value of misc.set.
  int16_t efficiency = 0;
  // The move setting, read from its text in misc.set.
  MoveSetting move = MoveSetting::kOther;
  // The mode flag: coil mode instead of sheet mode.
  bool coil_mode = false;
  // The job changed flag: the job input changed since it was last saved.
  bool job_changed = false;
  // The imported-stock flag: stock came from the material library.
  bool imported_stock = false;
  // Tolerance plus 0.001, set at every start of an optimization.
  float trim_allowance = 0.0f;
  // The pass an interrupted optimization continues from; 0 when there is none.
  int32_t resume_pass = 0;
  // The placement pattern of the last alternate arrangement tried, 0 before the first.
  int16_t pattern_counter = 0;
};

// Copies the three fields of misc.set (unit, efficiency, move) into the settings; without the
// file the settings stay as they are. The efficiency is the numeric value rounded to a whole
// number, held within the 16-bit range.
void ReadMiscSettings(const Workspace& workspace, ProgramSettings& settings);

// The two scrap criteria of scrap.dat as stored (first field, second field); 0 where missing.
struct ScrapCriteria {
  float first = 0.0f;
  float second = 0.0f;
};
ScrapCriteria ReadScrapCriteria(const Workspace& workspace);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_PROGRAM_SETTINGS_H_
