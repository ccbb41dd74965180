#include "core/deep/pattern_generator.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace lumora::deep {
namespace {

// Where a sheet has at most kAllOptionsUpTo options, a strip chooses among all of them and the
// sheet weighs every strip height. Beyond, on a job of hundreds or thousands of sizes, a knapsack
// over every option for every height would cost seconds a sheet: the strip values come from a
// table (strip_value_table.h), the sheet weighs the kPlannedHeights heights worth the most per
// height, and a strip chooses among its tallest options, which waste the least of it, as many as
// stand kCoreWidths times across it, at least kLeastCore and at most kMostCore.
constexpr size_t kAllOptionsUpTo = 256;
constexpr size_t kPlannedHeights = 128;
constexpr int kCoreWidths = 4;
constexpr size_t kLeastCore = 8;
constexpr size_t kMostCore = 64;
// The table is filled again once a quarter of the options it was filled with are used up.
constexpr size_t kTableRefillShare = 4;
// A quick pattern, for a first plan within a second, weighs an eighth as many heights and options
// (at least two) and cuts its strips across only.
constexpr size_t kQuickShare = 8;
constexpr size_t kQuickLeastCore = 2;

UnitRect Transposed(const UnitRect& rect) { return {rect.y, rect.x, rect.height, rect.width}; }

}  // namespace

bool WithinBounds(const std::vector<int>& counts, const std::vector<int>& bounds) {
  for (size_t i = 0; i < counts.size(); ++i) {
    if (counts[i] > bounds[i]) return false;
  }
  return true;
}

std::vector<int> PieceCounts(const SheetPattern& pattern, int piece_types) {
  std::vector<int> counts(static_cast<size_t>(piece_types), 0);
  for (const PlacedPiece& placed : pattern.pieces) ++counts[static_cast<size_t>(placed.piece)];
  return counts;
}

PatternGenerator::PatternGenerator(const DeepProblem& problem, const PatternLimits& limits)
    : problem_(problem), limits_(limits), few_per_size_(FewPiecesPerSize(problem)) {}

int PatternGenerator::AlongWidth(const Frame& frame, int piece, int orientation) const {
  const PieceSize& size = problem_.pieces[static_cast<size_t>(piece)];
  return frame.across ? size.x[static_cast<size_t>(orientation)]
                      : size.y[static_cast<size_t>(orientation)];
}

int PatternGenerator::AlongHeight(const Frame& frame, int piece, int orientation) const {
  const PieceSize& size = problem_.pieces[static_cast<size_t>(piece)];
  return frame.across ? size.y[static_cast<size_t>(orientation)]
                      : size.x[static_cast<size_t>(orientation)];
}

// Every way a piece can stand in a strip of the frame, tallest first: sorted once for the run,
// as the sizes never change, and passed over where a piece's bound or value is spent.
const std::vector<StripPiece>& PatternGenerator::RankedOptions(const Frame& frame) {
  std::vector<StripPiece>& ranked =
      ranked_options_[std::tuple(frame.across, frame.width, frame.height)];
  if (!ranked.empty()) return ranked;
  for (int p = 0; p < static_cast<int>(problem_.pieces.size()); ++p) {
    for (int o = 1; o <= 2; ++o) {
      const int w = AlongWidth(frame, p, o);
      const int h = AlongHeight(frame, p, o);
      if (w <= 0 || h <= 0 || w > frame.width || h > frame.height) continue;
      if (o == 2 && w == AlongWidth(frame, p, 1) && h == AlongHeight(frame, p, 1)) continue;
      ranked.push_back({p, o, w, h});
    }
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const StripPiece& a, const StripPiece& b) { return a.height > b.height; });
  return ranked;
}

bool PatternGenerator::Usable(const StripPiece& option, const std::vector<double>& values,
                              const std::vector<int>& bounds) {
  const auto p = static_cast<size_t>(option.piece);
  return bounds[p] > 0 && values[p] > 0;
}

// The options a strip of `height` chooses among: all of them, or on a sheet of many the core of
// its knapsack, in the order of all. The core (E. Balas and E. Zemel, "An algorithm for large
// zero-one knapsack problems", Operations Research 28(5), 1980) is the options of the most value
// per width that fit the height: a best strip differs from the greedy one only about where the
// greedy one runs out of width.
std::vector<StripPiece> PatternGenerator::StripOptions(const Frame& frame, int height,
                                                       const std::vector<double>& values,
                                                       const std::vector<int>& bounds) const {
  if (!many_) return Options(frame, height, values, bounds);
  std::vector<StripPiece> core;
  const size_t most = quick_ ? kMostCore / kQuickShare : kMostCore;
  const size_t least = quick_ ? kQuickLeastCore : kLeastCore;
  int64_t widths = 0;
  for (auto it = table_->densest.begin();
       it != table_->densest.end() && core.size() < most &&
       (core.size() < least || widths < int64_t{kCoreWidths} * frame.width);
       ++it) {
    if (it->height > height || !Usable(*it, values, bounds)) continue;
    core.push_back(*it);
    widths += it->width;
  }
  std::sort(core.begin(), core.end(), [](const StripPiece& a, const StripPiece& b) {
    return std::pair(a.piece, a.orientation) < std::pair(b.piece, b.orientation);
  });
  return core;
}

// The heights a strip of the room can take: every piece side that can stand across it, or on a
// sheet of many options those the table rates densest, in rising order.
std::vector<int> PatternGenerator::StripHeights(const Frame& frame, int room,
                                                const std::vector<int>& bounds) const {
  if (many_)
    return table_->table.DensestHeights(room,
                                        quick_ ? kPlannedHeights / kQuickShare : kPlannedHeights);
  std::vector<int> heights;
  for (int p : active_) {
    if (bounds[static_cast<size_t>(p)] <= 0) continue;
    for (int o = 1; o <= 2; ++o) {
      const int w = AlongWidth(frame, p, o);
      const int h = AlongHeight(frame, p, o);
      if (w > 0 && h > 0 && w <= frame.width && h <= room) heights.push_back(h);
    }
  }
  std::sort(heights.begin(), heights.end());
  heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
  return heights;
}

// The frame's table of strip values under these values, filled again when the bounds have used
// up a good share of the options it was filled with: its values only guide the choice of
// heights, and the strips chosen are solved as they are.
void PatternGenerator::PrepareTable(const Frame& frame, const std::vector<double>& values,
                                    const std::vector<int>& bounds) {
  ranked_ = &RankedOptions(frame);
  size_t usable = 0;
  for (const StripPiece& option : *ranked_) usable += Usable(option, values, bounds);
  FrameTable& frame_table = tables_[std::tuple(frame.across, frame.width, frame.height)];
  table_ = &frame_table;
  if (!frame_table.table.Empty() &&
      usable * kTableRefillShare > frame_table.options * (kTableRefillShare - 1)) {
    return;
  }
  std::vector<StripItem> items;
  for (auto it = ranked_->rbegin(); it != ranked_->rend(); ++it) {
    if (!Usable(*it, values, bounds)) continue;
    const auto p = static_cast<size_t>(it->piece);
    for (int take : PowerOfTwoParts(std::min(bounds[p], frame.width / it->width))) {
      items.push_back({it->height, take * it->width, take * values[p]});
    }
  }
  frame_table.table.Fill(items, frame.width);
  if (frame_table.densest.empty()) {
    frame_table.densest = *ranked_;
    std::stable_sort(frame_table.densest.begin(), frame_table.densest.end(),
                     [&](const StripPiece& a, const StripPiece& b) {
                       return values[static_cast<size_t>(a.piece)] * b.width >
                              values[static_cast<size_t>(b.piece)] * a.width;
                     });
  }
  frame_table.options = usable;
}

// The ways the pieces still wanted and worth something can stand in a strip of the frame no
// taller than `height`: one per orientation, the second only where it differs.
std::vector<StripPiece> PatternGenerator::Options(const Frame& frame, int height,
                                                  const std::vector<double>& values,
                                                  const std::vector<int>& bounds) const {
  std::vector<StripPiece> options;
  for (int p : active_) {
    if (bounds[static_cast<size_t>(p)] <= 0 || values[static_cast<size_t>(p)] <= 0) continue;
    for (int o = 1; o <= 2; ++o) {
      const int w = AlongWidth(frame, p, o);
      const int h = AlongHeight(frame, p, o);
      if (w <= 0 || h <= 0 || w > frame.width || h > height) continue;
      if (o == 2 && w == AlongWidth(frame, p, 1) && h == AlongHeight(frame, p, 1)) continue;
      options.push_back({p, o, w, h});
    }
  }
  return options;
}

void PatternGenerator::DropDominated(size_t capacity) {
  std::vector<size_t> widths;
  std::vector<double> item_values;
  for (const KnapsackItem& item : items_) {
    widths.push_back(static_cast<size_t>(item.width));
    item_values.push_back(item.value);
  }
  const std::vector<bool> dominated = Dominated(widths, item_values, capacity);
  size_t kept = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (!dominated[i]) items_[kept++] = items_[i];
  }
  items_.resize(kept);
}

// A bounded knapsack over the strip's width whose items are columns of identical pieces, as
// tall as the strip allows, solved exactly as a 0/1 knapsack over counts split into powers of
// two.
PatternGenerator::Strip PatternGenerator::SolveStrip(const Frame& frame, int height,
                                                     const std::vector<double>& values,
                                                     const std::vector<int>& bounds) {
  const std::vector<StripPiece> options = StripOptions(frame, height, values, bounds);
  items_.clear();
  for (const StripPiece& option : options) AddItems(frame, height, option, values, bounds);
  if (many_) DropDominated(static_cast<size_t>(frame.width));

  const auto capacity = static_cast<size_t>(frame.width);
  std::vector<Stack> stacks;
  // Beyond the table's size a strip is filled greedily, most valuable columns per width first.
  if (!ZeroOneKnapsack::Fits(items_.size(), capacity)) {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const KnapsackItem& a, const KnapsackItem& b) {
                       return a.value * b.width > b.value * a.width;
                     });
    size_t left = capacity;
    for (const KnapsackItem& item : items_) {
      if (static_cast<size_t>(item.width) > left) continue;
      stacks.push_back(item.stack);
      left -= static_cast<size_t>(item.width);
    }
  } else {
    knapsack_.Start(capacity, items_.size());
    for (const KnapsackItem& item : items_) {
      knapsack_.Add(static_cast<size_t>(item.width), item.value);
    }
    for (size_t i : knapsack_.Chosen(items_.size())) stacks.push_back(items_[i].stack);
  }
  return FinishStrip(std::move(stacks), values, bounds);
}

// The columns a strip of `height` offers of one option: as many pieces stacked as the strip
// and the bound allow, such columns side by side in powers of two, and a shorter one with
// what is left of the bound.
void PatternGenerator::AddItems(const Frame& frame, int height, const StripPiece& option,
                                const std::vector<double>& values, const std::vector<int>& bounds) {
  const auto& [p, o, w, h] = option;
  const int bound = bounds[static_cast<size_t>(p)];
  const double value = values[static_cast<size_t>(p)];
  const int count = std::min(height / h, bound);
  const int columns_fitting = frame.width / w;
  for (int take : PowerOfTwoParts(std::min(bound / count, columns_fitting))) {
    items_.push_back({take * w, take * count * value, {p, o, count, take, w, h}});
  }
  const int rest = bound % count;
  if (rest > 0 && bound / count < columns_fitting) {
    items_.push_back({w, rest * value, {p, o, rest, 1, w, h}});
  }
}

// The strips of several heights from one knapsack: where every option a strip may hold is a
// single piece high at any height, the items of the lower heights are those of the higher ones'
// start, so one table over the options by rising height holds the best strip of each height.
// Strips the cache still holds are kept.
void PatternGenerator::SolveSingleHighStrips(const Frame& frame, const std::vector<int>& heights,
                                             const std::vector<double>& values,
                                             const std::vector<int>& bounds) {
  std::vector<int> missing;
  for (int height : heights) {
    const auto found = strip_cache_.find(StripKey(frame, height));
    if (found == strip_cache_.end() || !StripAllowed(found->second, bounds)) {
      missing.push_back(height);
    }
  }
  if (missing.size() < 2) return;
  if (many_) return;
  std::vector<StripPiece> options = Options(frame, missing.back(), values, bounds);
  // An option stands two high in the strips of the heights from twice its own on.
  int lowest_stacked = missing.back() + 1;
  for (const StripPiece& option : options) {
    if (bounds[static_cast<size_t>(option.piece)] > 1) {
      lowest_stacked = std::min(lowest_stacked, 2 * option.height);
    }
  }
  std::stable_sort(options.begin(), options.end(),
                   [](const StripPiece& a, const StripPiece& b) { return a.height < b.height; });
  items_.clear();
  std::vector<size_t> items_below;  // by option: the items of the options before it
  for (const StripPiece& option : options) {
    items_below.push_back(items_.size());
    AddItems(frame, option.height, option, values, bounds);
  }
  items_below.push_back(items_.size());
  const auto capacity = static_cast<size_t>(frame.width);
  if (!ZeroOneKnapsack::Fits(items_.size(), capacity)) return;
  knapsack_.Start(capacity, items_.size());
  size_t added = 0;
  size_t next_option = 0;
  for (int height : missing) {
    if (height >= lowest_stacked) break;
    while (next_option < options.size() && options[next_option].height <= height) ++next_option;
    for (; added < items_below[next_option]; ++added) {
      knapsack_.Add(static_cast<size_t>(items_[added].width), items_[added].value);
    }
    std::vector<Stack> stacks;
    for (size_t i : knapsack_.Chosen(added)) stacks.push_back(items_[i].stack);
    strip_cache_.insert_or_assign(StripKey(frame, height),
                                  FinishStrip(std::move(stacks), values, bounds));
  }
}

// The strip of the chosen columns: a type offered in both orientations can come out above its
// bound, and the surplus columns are then taken away again.
PatternGenerator::Strip PatternGenerator::FinishStrip(std::vector<Stack> stacks,
                                                      const std::vector<double>& values,
                                                      const std::vector<int>& bounds) {
  std::vector<std::pair<int, int>> used;  // piece, count: a strip holds few types
  std::vector<Stack> shortened;
  for (Stack& stack : stacks) {
    auto same = std::find_if(used.begin(), used.end(),
                             [&](const auto& u) { return u.first == stack.piece; });
    if (same == used.end()) same = used.insert(used.end(), {stack.piece, 0});
    int& type_used = same->second;
    const int room = bounds[static_cast<size_t>(stack.piece)] - type_used;
    const int copies = std::min(stack.copies, room / stack.count);
    const int rest = room - copies * stack.count;
    if (copies < stack.copies && rest > 0) {
      shortened.push_back({stack.piece, stack.orientation, rest, 1, stack.width, stack.height});
      type_used += rest;
    }
    stack.copies = copies;
    type_used += copies * stack.count;
  }
  stacks.insert(stacks.end(), shortened.begin(), shortened.end());
  Strip strip;
  for (const Stack& stack : stacks) {
    if (stack.copies == 0) continue;
    const StripPiece piece{stack.piece, stack.orientation, stack.width, stack.height};
    strip.columns.push_back({stack.width, stack.copies,
                             std::vector<StripPiece>(static_cast<size_t>(stack.count), piece)});
  }
  Measure(strip, values);
  return strip;
}

// Pieces of many sizes fill a strip better stacked on each other in columns: the columns of
// mixed pieces replace the strip's where they hold more. No stack of two fits a strip lower
// than its two lowest options, and one piece a column is what the strip's knapsack chose best.
void PatternGenerator::CheckMixed(const Frame& frame, int height, Strip& strip,
                                  const std::vector<double>& values,
                                  const std::vector<int>& bounds) {
  strip.mixed_checked = true;
  const std::vector<StripPiece> options = StripOptions(frame, height, values, bounds);
  int lowest = height + 1;
  int second = height + 1;
  for (const StripPiece& option : options) {
    const int pieces = std::min(bounds[static_cast<size_t>(option.piece)], 2);
    for (int n = 0; n < pieces; ++n) {
      second = std::min(second, std::max(lowest, option.height));
      lowest = std::min(lowest, option.height);
    }
  }
  if (lowest + second > height) return;
  Strip mixed;
  std::vector<int> left = bounds;
  mixed.columns = MixedColumns(options, frame.width, height, values, left);
  Measure(mixed, values);
  if (mixed.value > strip.value + kValueEpsilon) {
    mixed.mixed_checked = true;
    strip = std::move(mixed);
  }
}

// The cached strip of the height, its mixed columns weighed where the limits ask for them.
const PatternGenerator::Strip& PatternGenerator::PlannedStrip(const Frame& frame, int height,
                                                              const std::vector<double>& values,
                                                              const std::vector<int>& bounds) {
  CachedStrip(frame, height, values, bounds);
  Strip& strip = strip_cache_.at(StripKey(frame, height));
  if (limits_.mixed_strips && !strip.mixed_checked)
    CheckMixed(frame, height, strip, values, bounds);
  return strip;
}

void PatternGenerator::Measure(Strip& strip, const std::vector<double>& values) {
  for (const Column& column : strip.columns) {
    strip.height = std::max(strip.height, column.StackHeight());
    for (const StripPiece& piece : column.pieces) {
      strip.value += column.copies * values[static_cast<size_t>(piece.piece)];
    }
  }
}

// Within one set of values the bounds only fall, so a strip found earlier that the bounds
// still allow is still the one the knapsack would choose.
const PatternGenerator::Strip& PatternGenerator::CachedStrip(const Frame& frame, int height,
                                                             const std::vector<double>& values,
                                                             const std::vector<int>& bounds) {
  const auto key = StripKey(frame, height);
  const auto found = strip_cache_.find(key);
  if (found != strip_cache_.end() && StripAllowed(found->second, bounds)) return found->second;
  Strip strip = SolveStrip(frame, height, values, bounds);
  return strip_cache_.insert_or_assign(key, std::move(strip)).first->second;
}

int PatternGenerator::StripCopies(const Strip& strip, const std::vector<int>& bounds) {
  std::vector<std::pair<int, int>> used;  // piece, count: a strip holds few types
  for (const Column& column : strip.columns) {
    for (const StripPiece& piece : column.pieces) {
      const auto same = std::find_if(used.begin(), used.end(),
                                     [&](const auto& u) { return u.first == piece.piece; });
      if (same == used.end()) {
        used.emplace_back(piece.piece, column.copies);
      } else {
        same->second += column.copies;
      }
    }
  }
  int copies = INT_MAX;
  for (const auto& [piece, count] : used) {
    copies = std::min(copies, bounds[static_cast<size_t>(piece)] / count);
  }
  return copies;
}

// Fills a space with the most valuable piece that fits, as a block of as many as the bound
// allows, and goes on in the two spaces the block leaves, larger remainder first kept whole.
void PatternGenerator::Fill(const Frame& frame, UnitRect space, const std::vector<double>& values,
                            std::vector<int>& bounds, SheetPattern& pattern) {
  std::vector<UnitRect> spaces{space};
  while (!spaces.empty()) {
    const UnitRect rect = spaces.back();
    spaces.pop_back();
    int best_piece = -1;
    int best_orientation = 0;
    double best_value = 0;
    for (int p : active_) {
      if (bounds[static_cast<size_t>(p)] <= 0) continue;
      for (int o = 1; o <= 2; ++o) {
        const int w = AlongWidth(frame, p, o);
        const int h = AlongHeight(frame, p, o);
        if (w <= 0 || h <= 0 || w > rect.width || h > rect.height) continue;
        const double value = values[static_cast<size_t>(p)];
        if (value > best_value + kValueEpsilon) {
          best_value = value;
          best_piece = p;
          best_orientation = o;
        }
      }
    }
    if (best_piece < 0) {
      pattern.free_rects.push_back(rect);
      continue;
    }
    const int w = AlongWidth(frame, best_piece, best_orientation);
    const int h = AlongHeight(frame, best_piece, best_orientation);
    int& bound = bounds[static_cast<size_t>(best_piece)];
    int nx = rect.width / w;
    int ny = rect.height / h;
    while (ny > 1 && nx * ny > bound) --ny;
    while (nx > 1 && nx * ny > bound) --nx;
    bound -= nx * ny;
    for (int row = 0; row < ny; ++row) {
      for (int column = 0; column < nx; ++column) {
        pattern.pieces.push_back(
            {best_piece, best_orientation, {rect.x + column * w, rect.y + row * h, w, h}});
      }
    }
    const int block_w = nx * w;
    const int block_h = ny * h;
    // Across first keeps the space below whole; down first keeps the space to the right whole.
    const UnitRect right_across{rect.x + block_w, rect.y, rect.width - block_w, block_h};
    const UnitRect below_across{rect.x, rect.y + block_h, rect.width, rect.height - block_h};
    const UnitRect right_down{rect.x + block_w, rect.y, rect.width - block_w, rect.height};
    const UnitRect below_down{rect.x, rect.y + block_h, block_w, rect.height - block_h};
    const auto area = [](const UnitRect& r) { return static_cast<int64_t>(r.width) * r.height; };
    const bool across = std::max(area(right_across), area(below_across)) >=
                        std::max(area(right_down), area(below_down));
    const std::array<UnitRect, 2> rests =
        across ? std::array{right_across, below_across} : std::array{right_down, below_down};
    for (const UnitRect& rest : rests) {
      if (rest.width > 0 && rest.height > 0) spaces.push_back(rest);
    }
  }
}

// Strip heights that fill `room` with the most value, strips as the bounds give them now,
// denser strips first: they are the ones the bounds should serve before they run out. Empty
// when Stop came.
std::vector<int> PatternGenerator::PlanStrips(const Frame& frame, int room,
                                              const std::vector<double>& values,
                                              const std::vector<int>& bounds) {
  const auto stopped = [&] { return stop_ && stop_->load(std::memory_order_relaxed); };
  const std::vector<int> heights = StripHeights(frame, room, bounds);
  std::vector<double> strip_values;
  std::vector<int> strip_copies;  // only the bounded plan of few pieces a size counts them
  if (!many_) SolveSingleHighStrips(frame, heights, values, bounds);
  // Among many options the table only chose the heights: their strips are solved as they are
  // now (most are cached), and the table learns what they are worth.
  for (int h : heights) {
    if (stopped()) return {};
    const Strip& strip =
        many_ ? PlannedStrip(frame, h, values, bounds) : CachedStrip(frame, h, values, bounds);
    strip_values.push_back(strip.value);
    if (few_per_size_) strip_copies.push_back(StripCopies(strip, bounds));
    if (many_) table_->table.Correct(h, strip.value);
  }
  const auto best_strips = [&] {
    return few_per_size_ ? BestBoundedStrips(heights, strip_values, strip_copies, room)
                         : BestStrips(heights, strip_values, room);
  };
  std::vector<int> plan = best_strips();
  // Mixed columns are weighed only for the strips a plan takes, and the plan is made again
  // while they change it: weighing them for every height would cost most of the time.
  bool changed = limits_.mixed_strips && !many_;
  while (changed) {
    changed = false;
    for (int h : plan) {
      const size_t at = static_cast<size_t>(std::lower_bound(heights.begin(), heights.end(), h) -
                                            heights.begin());
      const Strip& strip = PlannedStrip(frame, h, values, bounds);
      changed |= strip.value != strip_values[at];
      strip_values[at] = strip.value;
      if (few_per_size_) strip_copies[at] = StripCopies(strip, bounds);
    }
    if (changed) plan = best_strips();
  }
  std::stable_sort(plan.begin(), plan.end(), [&](int a, int b) {
    const auto density = [&](int h) {
      const auto at = std::lower_bound(heights.begin(), heights.end(), h) - heights.begin();
      return strip_values[static_cast<size_t>(at)] / h;
    };
    return density(a) > density(b);
  });
  return plan;
}

// The strip heights that fill `room` with the most value: an unbounded knapsack over the room.
// Where sizes have many pieces each its optimism serves: a strip whose pieces run out is solved
// again from others of about its height.
std::vector<int> PatternGenerator::BestStrips(const std::vector<int>& heights,
                                              const std::vector<double>& strip_values, int room) {
  const auto length = static_cast<size_t>(room);
  std::vector<double> best(length + 1, 0.0);
  std::vector<int> choice(length + 1, -1);
  for (size_t c = 1; c <= length; ++c) {
    best[c] = best[c - 1];
    for (size_t i = 0; i < heights.size() && static_cast<size_t>(heights[i]) <= c; ++i) {
      const double with = best[c - static_cast<size_t>(heights[i])] + strip_values[i];
      if (with > best[c] + kValueEpsilon) {
        best[c] = with;
        choice[c] = static_cast<int>(i);
      }
    }
  }
  std::vector<int> plan;
  for (size_t c = length; c > 0;) {
    if (choice[c] < 0) {
      --c;
      continue;
    }
    const int h = heights[static_cast<size_t>(choice[c])];
    plan.push_back(h);
    c -= static_cast<size_t>(h);
  }
  return plan;
}

// The same where a strip's pieces are wanted once or twice and no other strip of its height
// may be as good: each strip is cut at most as often as the bounds allow its pieces, a bounded
// knapsack over the room. A table beyond the knapsack's bound falls back to the unbounded one.
std::vector<int> PatternGenerator::BestBoundedStrips(const std::vector<int>& heights,
                                                     const std::vector<double>& strip_values,
                                                     const std::vector<int>& strip_copies,
                                                     int room) {
  struct Item {
    size_t strip = 0;
    int copies = 0;
  };
  std::vector<Item> items;
  for (size_t i = 0; i < heights.size(); ++i) {
    if (strip_values[i] <= 0) continue;
    for (int copies : PowerOfTwoParts(std::min(strip_copies[i], room / heights[i]))) {
      items.push_back({i, copies});
    }
  }
  const auto capacity = static_cast<size_t>(room);
  if (!ZeroOneKnapsack::Fits(items.size(), capacity)) {
    return BestStrips(heights, strip_values, room);
  }
  ZeroOneKnapsack knapsack;
  knapsack.Start(capacity, items.size());
  for (const Item& item : items) {
    knapsack.Add(static_cast<size_t>(heights[item.strip] * item.copies),
                 strip_values[item.strip] * item.copies);
  }
  std::vector<int> plan;
  for (size_t k : knapsack.Chosen(items.size())) {
    plan.insert(plan.end(), static_cast<size_t>(items[k].copies), heights[items[k].strip]);
  }
  return plan;
}

// Places the strip at `y` with every space it leaves filled; answers where the next begins.
int PatternGenerator::PlaceStrip(const Frame& frame, int y, const Strip& strip,
                                 const std::vector<double>& values, std::vector<int>& bounds,
                                 SheetPattern& pattern) {
  int x = 0;
  for (const Column& column : strip.columns) {
    for (int copy = 0; copy < column.copies; ++copy) {
      int top = y;
      for (const StripPiece& piece : column.pieces) {
        pattern.pieces.push_back(
            {piece.piece, piece.orientation, {x, top, piece.width, piece.height}});
        --bounds[static_cast<size_t>(piece.piece)];
        top += piece.height;
      }
      x += column.width;
    }
  }
  // What the strip leaves: beside the narrower pieces of a column, under each group of
  // columns, and to the right of the last.
  int left = 0;
  for (const Column& column : strip.columns) {
    const int group_width = column.width * column.copies;
    int top = y;
    for (const StripPiece& piece : column.pieces) {
      for (int copy = 0; copy < column.copies && piece.width < column.width; ++copy) {
        Fill(frame,
             {left + copy * column.width + piece.width, top, column.width - piece.width,
              piece.height},
             values, bounds, pattern);
      }
      top += piece.height;
    }
    if (y + strip.height > top) {
      Fill(frame, {left, top, group_width, y + strip.height - top}, values, bounds, pattern);
    }
    left += group_width;
  }
  if (frame.width > left) {
    Fill(frame, {left, y, frame.width - left, strip.height}, values, bounds, pattern);
  }
  y += strip.height;
  if (y < frame.height) pattern.stage_cuts.push_back(y);
  return y;
}

SheetPattern PatternGenerator::Build(int stock, const Frame& frame,
                                     const std::vector<double>& values, std::vector<int> bounds) {
  SheetPattern pattern;
  pattern.stock = stock;
  pattern.cuts_across = frame.across;
  // The bounds only fall while the sheet is built: the types still wanted now are all it takes.
  active_.clear();
  for (int p = 0; p < static_cast<int>(problem_.pieces.size()); ++p) {
    if (bounds[static_cast<size_t>(p)] > 0) active_.push_back(p);
  }
  many_ = Options(frame, frame.height, values, bounds).size() > kAllOptionsUpTo;
  if (many_) PrepareTable(frame, values, bounds);
  int y = 0;
  // With mixed strips the plan is made again after each strip placed: few of a kind, the pieces
  // it took are likely the very ones the plan counted on for the strips after it. Among many
  // options, or sizes of few pieces, it is made again only where the strips it counted on lost
  // pieces.
  const auto spoilt = [&](const std::vector<int>& heights) {
    return std::any_of(heights.begin(), heights.end(), [&](int h) {
      const auto found = strip_cache_.find(StripKey(frame, h));
      return found == strip_cache_.end() || !StripAllowed(found->second, bounds);
    });
  };
  std::vector<int> plan = PlanStrips(frame, frame.height, values, bounds);
  while (!plan.empty()) {
    const int height = plan.front();
    plan.erase(plan.begin());
    if (y + height > frame.height) continue;
    const Strip& strip = PlannedStrip(frame, height, values, bounds);
    if (strip.columns.empty()) continue;
    y = PlaceStrip(frame, y, Strip(strip), values, bounds, pattern);
    if (limits_.mixed_strips || ((many_ || few_per_size_) && spoilt(plan))) {
      plan = PlanStrips(frame, frame.height - y, values, bounds);
    }
  }
  if (stop_ && stop_->load(std::memory_order_relaxed)) return {};
  if (y < frame.height) Fill(frame, {0, y, frame.width, frame.height - y}, values, bounds, pattern);

  if (!frame.across) {
    for (PlacedPiece& placed : pattern.pieces) placed.rect = Transposed(placed.rect);
    for (UnitRect& rect : pattern.free_rects) rect = Transposed(rect);
  }
  for (const PlacedPiece& placed : pattern.pieces) {
    pattern.value += values[static_cast<size_t>(placed.piece)];
    pattern.used_length = std::max(pattern.used_length, placed.rect.y + placed.rect.height);
  }
  return pattern;
}

bool PatternGenerator::Allows(const SheetPattern& pattern) const {
  const StockSize& size = problem_.stocks[static_cast<size_t>(pattern.stock)];
  const int cut_length = pattern.cuts_across ? size.width : size.height;
  if (limits_.max_strip_length > 0 && cut_length > limits_.max_strip_length) return false;
  if (limits_.min_free_side <= 0) return true;
  return std::all_of(pattern.free_rects.begin(), pattern.free_rects.end(), [&](const UnitRect& r) {
    return r.width <= 0 || r.height <= 0 ||
           (r.width >= limits_.min_free_side && r.height >= limits_.min_free_side);
  });
}

SheetPattern PatternGenerator::Generate(int stock, const std::vector<double>& values,
                                        const std::vector<int>& bounds) {
  const StockSize& size = problem_.stocks[static_cast<size_t>(stock)];
  SheetPattern best;
  for (const bool across : {true, false}) {
    if (!across && quick_ && many_) break;
    // A coil is used from its start: its strips run across it.
    if (!across && problem_.coil_mode) continue;
    const Frame frame{across, across ? size.width : size.height, across ? size.height : size.width};
    if (limits_.max_strip_length > 0 && frame.width > limits_.max_strip_length) continue;
    SheetPattern pattern = Build(stock, frame, values, bounds);
    if (pattern.Empty() || !Allows(pattern)) continue;
    if (best.Empty() || pattern.value > best.value + kValueEpsilon) best = std::move(pattern);
  }
  return best;
}

}  // namespace lumora::deep
