#include "core/engine2d/pass_runner.h"

#include <limits>
#include <utility>

#include "core/engine2d/block_placement.h"
#include "core/engine2d/candidate.h"

namespace lumora {
namespace {

// The term a stock frame adds to a stock-area sum.
float FrameTerm(const LayoutElement& element) { return ElementArea(element) * element.repeat; }

// Adds the stock frames of one committed layout to a running sum, in element order, so that the
// running sum stays equal to StockAreaSum of the result so far.
float AddFrames(float sum, const ElementList& layout) {
  for (const LayoutElement& element : layout) {
    if (element.kind == kStockFrame) sum = sum + FrameTerm(element);
  }
  return sum;
}

// A coil candidate without pieces would win on its used length of 0 and end the pass with
// nothing committed, though other coils could still take the glass.
bool HoldsPiece(const ElementList& elements) {
  for (const LayoutElement& element : elements) {
    if (element.kind > 0) return true;
  }
  return false;
}

// The best candidate of one layout: every available stock with each pattern, the better one
// kept. The winner ends up in buffers.best and buffers.best_glass; answers its stock index, or
// 0 when no candidate qualified.
int BestCandidate(const RunSetup& setup, const PlacementSetup& placement, bool random_phase,
                  PassBuffers& buffers, PassOutcome& outcome) {
  int best_stock = 0;
  CandidateStatistics best_stats;
  const int first_pattern = setup.only_pattern == 0 ? 1 : setup.only_pattern;
  const int last_pattern = setup.only_pattern == 0 ? 8 : setup.only_pattern;
  for (int stock = 1; stock <= setup.stocks.Count(); ++stock) {
    if (!StockAvailable(buffers.pass_stock, stock)) continue;
    for (int pattern = first_pattern; pattern <= last_pattern; ++pattern) {
      if (!BuildCandidate(placement, buffers.pass_glass, stock, pattern, random_phase,
                          buffers.random, buffers.working_glass, buffers.working)) {
        continue;
      }
      ++outcome.candidates;
      if (setup.coil_mode) {
        if (!HoldsPiece(buffers.working)) continue;
      } else if (!LeftoversAtLeastB(buffers.working, setup.min_leftover)) {
        ++outcome.narrow_refusals;
        continue;
      }
      const CandidateStatistics stats = CandidateStats(buffers.working);
      const bool better =
          best_stock == 0 || (setup.coil_mode ? CoilCandidateIsBetter(stats, best_stats)
                                              : SheetCandidateIsBetter(stats, best_stats));
      if (!better) continue;
      // Swapping instead of copying: the loser's storage serves the next candidate.
      std::swap(buffers.working, buffers.best);
      std::swap(buffers.working_glass, buffers.best_glass);
      best_stats = stats;
      best_stock = stock;
    }
  }
  return best_stock;
}

}  // namespace

bool LeftoversAtLeastB(const ElementList& elements, float minimum_side) {
  for (const LayoutElement& element : elements) {
    if (element.kind != kFreeRect) continue;
    const float width = element.x2 - element.x1;
    const float height = element.y2 - element.y1;
    if (width > 0 && height > 0 && (width < minimum_side || height < minimum_side)) return false;
  }
  return true;
}

float StockAreaSum(const ElementList& elements) { return AddFrames(0, elements); }

bool AreaSumIsWorse(float pass_sum, float best_sum) { return best_sum != 0 && pass_sum > best_sum; }

RunSetup MakeRunSetup(const StockList& stocks, const GlassList& glasses, float trim_allowance,
                      float blade, float min_leftover, bool coil_mode, int32_t total_passes) {
  return {.stocks = stocks,
          .glasses = glasses,
          .stock_qty = StockQuantities(stocks),
          .glass_qty = GlassQuantities(glasses),
          .trim_allowance = trim_allowance,
          .blade = blade,
          .min_leftover = min_leftover,
          .coil_mode = coil_mode,
          .total_passes = total_passes};
}

void RunPass(const RunSetup& setup, int32_t pass, float abandon_sum, PassBuffers& buffers,
             PassOutcome& outcome, const std::atomic<bool>* cancel) {
  const PlacementSetup placement{.stocks = setup.stocks,
                                 .glasses = setup.glasses,
                                 .trim_allowance = setup.trim_allowance,
                                 .blade = setup.blade,
                                 .pass = pass,
                                 .total_passes = setup.total_passes};
  const bool random_phase = pass >= setup.first_random_pass;

  outcome.pass = pass;
  outcome.complete = false;
  outcome.cut_short = false;
  outcome.cancelled = false;
  outcome.limit_reached = false;
  outcome.shortfall = PassShortfall::kNone;
  outcome.largest_area_sum = -std::numeric_limits<float>::infinity();
  outcome.area_sum = 0;
  outcome.stats = {};
  outcome.result.Clear();
  outcome.candidates = 0;
  outcome.narrow_refusals = 0;

  if (setup.reseed_each_pass) ResetRandom(buffers.random, pass);
  CopyStockList(setup.stock_qty, buffers.pass_stock);
  CopyGlassList(setup.glass_qty, buffers.pass_glass);
  int layout_no = 0;
  while (!AllStockUsed(buffers.pass_stock) && !AllGlassPlaced(buffers.pass_glass)) {
    if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
      outcome.cancelled = true;
      return;
    }
    const int64_t refused_before = outcome.narrow_refusals;
    const int stock = BestCandidate(setup, placement, random_phase, buffers, outcome);
    float repeat =
        stock == 0 ? 0
                   : RepeatCount(buffers.pass_stock[stock], buffers.pass_glass, buffers.best_glass);
    // Only a positive count takes anything away; anything else would never end the loop.
    if (!(repeat > 0)) {
      outcome.shortfall = stock == 0 && outcome.narrow_refusals > refused_before
                              ? PassShortfall::kNarrowBalance
                              : PassShortfall::kNothingFits;
      break;
    }
    if (setup.commit_once) repeat = 1;
    CompactLayout(buffers.best);
    if (layout_no >= kMaxListCount ||
        outcome.result.Count() + buffers.best.Count() > kMaxListCount) {
      outcome.limit_reached = true;
      break;
    }
    ++layout_no;
    CommitLayout(repeat, stock, buffers.pass_stock, buffers.pass_glass, buffers.best_glass,
                 buffers.best, layout_no);
    AppendLayout(buffers.best, outcome.result);
    outcome.area_sum = AddFrames(outcome.area_sum, buffers.best);
    if (outcome.area_sum > outcome.largest_area_sum) outcome.largest_area_sum = outcome.area_sum;
    if (AreaSumIsWorse(outcome.area_sum, abandon_sum)) {
      outcome.cut_short = true;
      return;
    }
  }
  outcome.complete = AllGlassPlaced(buffers.pass_glass);
  if (outcome.complete) {
    outcome.stats = ResultStats(outcome.result);
  } else if (outcome.shortfall == PassShortfall::kNone && !outcome.limit_reached) {
    outcome.shortfall = PassShortfall::kStockUsedUp;
  }
}

}  // namespace lumora
