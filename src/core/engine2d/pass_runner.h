#ifndef LUMORA_CORE_ENGINE2D_PASS_RUNNER_H_
#define LUMORA_CORE_ENGINE2D_PASS_RUNNER_H_

#include <atomic>
#include <cstdint>

#include "core/engine2d/engine_records.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/random.h"

// One pass of a run: the whole job laid out, layout after layout, on copies of the quantities.
// Passes share nothing but the prepared lists, so any number of them can run at once.
namespace lumora {

// Whether a sheet-mode candidate may be kept: false as soon as one free rectangle with a
// positive width and height has a side shorter than the minimum side.
bool LeftoversAtLeastB(const ElementList& elements, float minimum_side);

// S(list): the float sum, in element order, of area * Repeat over the stock frames.
float StockAreaSum(const ElementList& elements);
// Whether a pass whose stock-area sum has reached pass_sum must be abandoned against a best
// result of best_sum: never when best_sum is 0, else exactly when pass_sum > best_sum.
bool AreaSumIsWorse(float pass_sum, float best_sum);

// What every pass of a run reads: the prepared lists (kerf added, sorted) and their quantities.
struct RunSetup {
  const StockList& stocks;
  const GlassList& glasses;
  QuantityList stock_qty;
  QuantityList glass_qty;
  float trim_allowance = 0;
  float blade = 0;         // BLADE with the kerf added
  float min_leftover = 0;  // B (MM): the shortest side a sheet-mode leftover may have
  bool coil_mode = false;
  int32_t total_passes = 0;
  // Where the alternate run's passes differ from the optimization run's.
  int only_pattern = 0;            // 0 tries patterns 1 to 8 on every stock, else this one only
  int32_t first_random_pass = 17;  // candidates of this pass and later use the random phase
  bool reseed_each_pass = true;    // else the sequence in the pass buffers runs on across passes
  bool commit_once = false;        // every layout is cut once, whatever RepeatCount allows
};

// A RunSetup over prepared lists, their quantities taken from them.
RunSetup MakeRunSetup(const StockList& stocks, const GlassList& glasses, float trim_allowance,
                      float blade, float min_leftover, bool coil_mode, int32_t total_passes);

// Why a pass ended with glass unplaced, other than at the bound of a result.
enum class PassShortfall {
  kNone,
  kStockUsedUp,    // every sheet was cut while glass remained
  kNothingFits,    // no candidate could be built on the stock left
  kNarrowBalance,  // every candidate built left a balance side shorter than B (MM)
};

// What one pass left: its result in engine coordinates and what merging it needs.
struct PassOutcome {
  int32_t pass = 0;
  bool complete = false;   // every glass piece placed
  bool cut_short = false;  // stopped when its stock-area sum passed the threshold it was given
  bool cancelled = false;  // stopped by the cancel flag; never to be merged
  // Ended with glass unplaced because its layouts or elements would have passed kMaxListCount.
  bool limit_reached = false;
  PassShortfall shortfall = PassShortfall::kNone;
  // The largest stock-area sum after any committed layout (-infinity before the first one): a
  // pass is abandoned against a best result exactly when this sum is worse than the best's.
  float largest_area_sum = 0;
  float area_sum = 0;      // StockAreaSum of the result
  ResultStatistics stats;  // of the result, when complete
  ElementList result;
  int64_t candidates = 0;       // candidate layouts built
  int64_t narrow_refusals = 0;  // of them, turned down for a balance side shorter than B (MM)
};

// The working lists of one thread. They keep their storage from pass to pass, so a thread that
// has run a pass or two builds candidates without allocating.
struct PassBuffers {
  QuantityList pass_stock;
  QuantityList pass_glass;
  QuantityList working_glass;
  QuantityList best_glass;
  ElementList working;
  ElementList best;
  RandomState random;
};

// Runs pass `pass` into `outcome` (its result storage is reused), its random sequence started
// from the pass number unless the setup says otherwise. The pass is cut short after
// the first committed layout whose running stock-area sum is worse than abandon_sum (0 never
// cuts), and cancelled between layouts once *cancel is set. A pass that would take its layout
// count or its result past kMaxListCount ends there, with glass left unplaced.
void RunPass(const RunSetup& setup, int32_t pass, float abandon_sum, PassBuffers& buffers,
             PassOutcome& outcome, const std::atomic<bool>* cancel = nullptr);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_PASS_RUNNER_H_
