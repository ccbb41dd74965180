#ifndef LUMORA_CORE_DEEP_PATTERN_GENERATOR_H_
#define LUMORA_CORE_DEEP_PATTERN_GENERATOR_H_

#include <atomic>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "core/deep/deep_problem.h"
#include "core/deep/knapsack.h"
#include "core/deep/sheet_pattern.h"
#include "core/deep/strip_columns.h"
#include "core/deep/strip_value_table.h"

// Builds a valuable guillotine pattern for one stock size by the staged knapsacks of P. C.
// Gilmore and R. E. Gomory ("Multistage cutting stock problems of two and more dimensions",
// Operations Research 13(1), 1965): strips across the sheet chosen by a knapsack over the
// sheet's length, each strip filled with stacks of identical pieces by a knapsack over its width
// (or, if the limits ask, with columns of mixed pieces where they hold more value), and every
// space left over filled piece by piece. A piece type is used at most as often as its bound
// allows.
namespace lumora::deep {

struct PatternLimits {
  int max_strip_length = 0;  // the longest first-stage cut the blade allows, in units
  int min_free_side = 0;     // a free rectangle must be 0 or at least this in both directions
  // Strips may also hold columns of mixed pieces, and a sheet's strips are planned again after
  // each one placed: better where sizes are few of a kind, slower where there are many of each.
  bool mixed_strips = false;
};

class PatternGenerator {
 public:
  PatternGenerator(const DeepProblem& problem, const PatternLimits& limits);

  // The most valuable pattern on stocks[stock] under the piece values, placing at most
  // bounds[i] pieces of type i; an empty pattern when nothing fits or the limits refuse every
  // pattern. Values and bounds are indexed like DeepProblem::pieces.
  SheetPattern Generate(int stock, const std::vector<double>& values,
                        const std::vector<int>& bounds);

  // Whether the limits allow the pattern: its first-stage cuts within the blade's reach, every
  // free rectangle 0 or at least the smallest leftover side.
  bool Allows(const SheetPattern& pattern) const;

  // To be called whenever the values change or the bounds grow: strips and strip values found
  // before are forgotten.
  void ForgetStrips() {
    strip_cache_.clear();
    tables_.clear();
  }

  // Quick patterns on a sheet of many options weigh fewer strips, for a first plan within a
  // second on a job of thousands of sizes; a sheet of fewer is not concerned.
  void SetQuick(bool quick) { quick_ = quick; }

  // Once the flag is set, Generate gives up and answers an empty pattern: on a job of
  // thousands of sizes one pattern takes long, and Stop must not wait for it.
  void SetStop(const std::atomic<bool>* stop) { stop_ = stop; }

 private:
  // A sheet seen with its strips running along `width`; `across` is false when they run
  // along the stock's y axis.
  struct Frame {
    bool across = true;
    int width = 0;
    int height = 0;
  };
  struct Stack {
    int piece = 0;
    int orientation = 0;
    int count = 0;   // pieces stacked in one column
    int copies = 0;  // identical columns side by side
    int width = 0;   // of one column
    int height = 0;  // of one piece
  };
  struct Strip {
    int height = 0;
    double value = 0;
    std::vector<Column> columns;
    bool mixed_checked = false;  // mixed columns were weighed against these
  };
  struct KnapsackItem {
    int width = 0;
    double value = 0;
    Stack stack;
  };

  int AlongWidth(const Frame& frame, int piece, int orientation) const;
  int AlongHeight(const Frame& frame, int piece, int orientation) const;

  std::vector<StripPiece> Options(const Frame& frame, int height, const std::vector<double>& values,
                                  const std::vector<int>& bounds) const;
  std::vector<StripPiece> StripOptions(const Frame& frame, int height,
                                       const std::vector<double>& values,
                                       const std::vector<int>& bounds) const;
  const std::vector<StripPiece>& RankedOptions(const Frame& frame);
  static bool Usable(const StripPiece& option, const std::vector<double>& values,
                     const std::vector<int>& bounds);
  void PrepareTable(const Frame& frame, const std::vector<double>& values,
                    const std::vector<int>& bounds);
  std::vector<int> StripHeights(const Frame& frame, int room, const std::vector<int>& bounds) const;
  // Takes out of the knapsack's items those a best strip does without.
  void DropDominated(size_t capacity);
  void AddItems(const Frame& frame, int height, const StripPiece& option,
                const std::vector<double>& values, const std::vector<int>& bounds);
  Strip SolveStrip(const Frame& frame, int height, const std::vector<double>& values,
                   const std::vector<int>& bounds);
  void SolveSingleHighStrips(const Frame& frame, const std::vector<int>& heights,
                             const std::vector<double>& values, const std::vector<int>& bounds);
  Strip FinishStrip(std::vector<Stack> stacks, const std::vector<double>& values,
                    const std::vector<int>& bounds);
  static std::tuple<bool, int, int, int> StripKey(const Frame& frame, int height) {
    return {frame.across, frame.width, frame.height, height};
  }
  // How often the bounds allow the strip to be cut; INT_MAX for a strip of no pieces.
  static int StripCopies(const Strip& strip, const std::vector<int>& bounds);
  // Whether the bounds still allow every piece of the strip.
  static bool StripAllowed(const Strip& strip, const std::vector<int>& bounds) {
    return StripCopies(strip, bounds) > 0;
  }
  // The strip's height and value from its columns.
  static void Measure(Strip& strip, const std::vector<double>& values);
  int PlaceStrip(const Frame& frame, int y, const Strip& strip, const std::vector<double>& values,
                 std::vector<int>& bounds, SheetPattern& pattern);
  const Strip& CachedStrip(const Frame& frame, int height, const std::vector<double>& values,
                           const std::vector<int>& bounds);
  void CheckMixed(const Frame& frame, int height, Strip& strip, const std::vector<double>& values,
                  const std::vector<int>& bounds);
  const Strip& PlannedStrip(const Frame& frame, int height, const std::vector<double>& values,
                            const std::vector<int>& bounds);
  static std::vector<int> BestStrips(const std::vector<int>& heights,
                                     const std::vector<double>& strip_values, int room);
  static std::vector<int> BestBoundedStrips(const std::vector<int>& heights,
                                            const std::vector<double>& strip_values,
                                            const std::vector<int>& strip_copies, int room);
  std::vector<int> PlanStrips(const Frame& frame, int room, const std::vector<double>& values,
                              const std::vector<int>& bounds);
  SheetPattern Build(int stock, const Frame& frame, const std::vector<double>& values,
                     std::vector<int> bounds);
  void Fill(const Frame& frame, UnitRect space, const std::vector<double>& values,
            std::vector<int>& bounds, SheetPattern& pattern);

  const DeepProblem& problem_;
  PatternLimits limits_;
  bool few_per_size_ = false;  // FewPiecesPerSize of the problem
  const std::atomic<bool>* stop_ = nullptr;
  struct FrameTable {
    StripValueTable table;
    size_t options = 0;               // usable when it was filled
    std::vector<StripPiece> densest;  // every option, the most value per width first
  };
  // Of the sheet being built: the types with pieces left when it began, whether its options are
  // many, and then its options tallest first and its table.
  std::vector<int> active_;
  bool many_ = false;
  bool quick_ = false;
  const std::vector<StripPiece>* ranked_ = nullptr;
  FrameTable* table_ = nullptr;
  std::map<std::tuple<bool, int, int>, std::vector<StripPiece>> ranked_options_;
  std::map<std::tuple<bool, int, int>, FrameTable> tables_;
  std::vector<KnapsackItem> items_;
  ZeroOneKnapsack knapsack_;
  std::map<std::tuple<bool, int, int, int>, Strip> strip_cache_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_PATTERN_GENERATOR_H_
