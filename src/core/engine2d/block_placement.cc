#include "core/engine2d/block_placement.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/base/unit_and_orn.h"
#include "core/engine2d/element_append.h"
#include "core/engine2d/engine_math.h"

namespace lumora {
namespace {

using Splitter = PlacementPattern::Splitter;

constexpr std::array<PlacementPattern, 8> kPatterns = {{
    {true, 1, true, Splitter::kAcrossAtLeftMargin},
    {true, 2, true, Splitter::kAcrossAtLeftMargin},
    {false, 1, false, Splitter::kDownAtTopMargin},
    {false, 2, false, Splitter::kDownAtTopMargin},
    {true, 1, true, Splitter::kAcross},
    {true, 2, true, Splitter::kAcross},
    {false, 1, false, Splitter::kDown},
    {false, 2, false, Splitter::kDown},
}};

constexpr float kNoKey = 1e20f;
constexpr int kMaxBlockCount = 32767;

// The glass dimension laid along X, and along Y, in an orientation.
float AlongX(const GlassRecord& glass, int orientation) {
  return orientation == 1 ? glass.l2 : glass.l1;
}
float AlongY(const GlassRecord& glass, int orientation) {
  return orientation == 1 ? glass.l1 : glass.l2;
}

int BlockCount(float quotient) { return ClampToInt(quotient, -kMaxBlockCount, kMaxBlockCount); }

// The largest block of the orientation in the rectangle, rows capped by the blade length;
// nx or ny below 1 when it does not fit.
BlockSize FitBlock(const PlacementSetup& setup, const GlassRecord& glass, int orientation,
                   const LayoutElement& rect) {
  const float cell_x = AlongX(glass, orientation) - setup.trim_allowance;
  const float cell_y = AlongY(glass, orientation) - setup.trim_allowance;
  if (!(cell_x > 0) || !(cell_y > 0)) return {};
  const float width = rect.x2 - rect.x1;
  const float height = rect.y2 - rect.y1;
  BlockSize block;
  block.nx = BlockCount(width / cell_x);
  block.ny = std::min(BlockCount(height / cell_y), BlockCount(setup.blade / cell_y));
  return block;
}

bool FewerWanted(float qty, const BlockSize& block) {
  return static_cast<double>(qty) < static_cast<double>(static_cast<int64_t>(block.nx) * block.ny);
}

void TrimToQuantity(float qty, bool rows_first, BlockSize& block) {
  int& first = rows_first ? block.ny : block.nx;
  int& second = rows_first ? block.nx : block.ny;
  while (first > 1 && FewerWanted(qty, block)) --first;
  while (second > 1 && FewerWanted(qty, block)) --second;
}

// Makes a block that would take the element list past its bound as large as the list still
// takes, in the order the quantity trim lowers the counts; room is at least 1.
void FitToRoom(int64_t room, bool rows_first, BlockSize& block) {
  int& first = rows_first ? block.ny : block.nx;
  int& second = rows_first ? block.nx : block.ny;
  first = static_cast<int>(std::max<int64_t>(1, std::min<int64_t>(first, room / second)));
  second = static_cast<int>(std::min<int64_t>(second, room / first));
}

// Varies the first block of a candidate: early passes draw both counts, later ones only the
// count the pattern's phase of the run calls for.
void Thin(const PlacementSetup& setup, const PlacementPattern& pattern, RandomState& random,
          BlockSize& block) {
  if (setup.pass <= 16) {
    block.ny = RandomInt(random, 1, block.ny);
    block.nx = RandomInt(random, 1, block.nx);
    return;
  }
  const int64_t switch_pass =
      RoundHalfEvenQuotient(static_cast<int64_t>(setup.total_passes) * 11, 20);
  const bool late = setup.pass > switch_pass;
  if (pattern.rows_first == late) {
    block.nx = RandomInt(random, 1, block.nx);
  } else {
    block.ny = RandomInt(random, 1, block.ny);
  }
}

bool CutsAcross(const PlacementPattern& pattern, const LayoutElement& rect,
                const StockRecord& stock) {
  switch (pattern.splitter) {
    case Splitter::kAcrossAtLeftMargin:
      return rect.x1 == stock.m_l;
    case Splitter::kDownAtTopMargin:
      return rect.y1 != stock.m_t;
    case Splitter::kAcross:
      return true;
    case Splitter::kDown:
      return false;
  }
  return false;
}

// Where the block ends inside its rectangle.
struct BlockEdges {
  float right;
  float bottom;
};

// The steps both splitters share: the quantity falls, the rectangle is spent and the pieces
// follow row by row; two zeroed slots for the remainders come after them.
BlockEdges WriteBlock(const PlacementSetup& setup, int nx, int ny, int glass_index, int orientation,
                      QuantityList& glass_qty, const LayoutElement& rect, int rect_index,
                      ElementList& elements) {
  glass_qty[glass_index] = glass_qty[glass_index] - static_cast<float>(nx * ny);
  elements[rect_index].kind = kSpent;

  const GlassRecord& glass = setup.glasses[glass_index];
  const float pitch_x = MinSingle(AlongX(glass, orientation), (rect.x2 - rect.x1) / nx);
  const float pitch_y = MinSingle(AlongY(glass, orientation), (rect.y2 - rect.y1) / ny);

  const int first_new = elements.Count() + 1;
  elements.Resize(elements.Count() + nx * ny + 2);
  int index = first_new;
  for (int i = 1; i <= ny; ++i) {
    for (int j = 1; j <= nx; ++j) {
      LayoutElement& piece = elements[index++];
      piece.kind = glass_index;
      piece.stock_index = rect.stock_index;
      piece.orientation = orientation;
      piece.x1 = rect.x1 + static_cast<float>(j - 1) * pitch_x;
      piece.y1 = rect.y1 + static_cast<float>(i - 1) * pitch_y;
      piece.x2 = rect.x1 + static_cast<float>(j) * pitch_x;
      piece.y2 = rect.y1 + static_cast<float>(i) * pitch_y;
    }
  }
  return {rect.x1 + static_cast<float>(nx) * pitch_x, rect.y1 + static_cast<float>(ny) * pitch_y};
}

void SetRemainder(ElementList& elements, int index, int stock_index, float x1, float y1, float x2,
                  float y2) {
  LayoutElement& remainder = elements[index];
  remainder.kind = kFreeRect;
  remainder.stock_index = stock_index;
  remainder.x1 = x1;
  remainder.y1 = y1;
  remainder.x2 = x2;
  remainder.y2 = y2;
  DiscardIfEmpty(elements, index);
}

}  // namespace

const PlacementPattern* FindPattern(int pattern) {
  if (pattern < 1 || pattern > 8) return nullptr;
  return &kPatterns[static_cast<size_t>(pattern - 1)];
}

int NextFreeRect(const ElementList& elements, int pattern) {
  const PlacementPattern* choices = FindPattern(pattern);
  if (choices == nullptr) return 0;
  float best_first = kNoKey;
  float best_second = kNoKey;
  int best = 0;
  for (int i = 1; i <= elements.Count(); ++i) {
    const LayoutElement& element = elements[i];
    if (element.kind != kFreeRect) continue;
    const float first = choices->top_most_first ? element.y1 : element.x1;
    const float second = choices->top_most_first ? element.x1 : element.y1;
    if (first < best_first || (first == best_first && second < best_second)) {
      best = i;
      best_first = first;
      best_second = second;
    }
  }
  return best;
}

BlockSize PlaceBlock(const PlacementSetup& setup, QuantityList& glass_qty, int glass_index,
                     ElementList& elements, int rect_index, int pattern, bool first_block,
                     RandomState& random) {
  const PlacementPattern* choices = FindPattern(pattern);
  if (choices == nullptr || !glass_qty.Contains(glass_index) ||
      !setup.glasses.Contains(glass_index) || !elements.Contains(rect_index)) {
    return {};
  }
  const LayoutElement rect = elements[rect_index];
  if (!setup.stocks.Contains(rect.stock_index)) return {};
  const GlassRecord& glass = setup.glasses[glass_index];
  if (glass.orn == Orn::kNeither) return {};

  BlockSize block;
  int orientation = 0;
  if (setup.pass <= 16) {
    for (const int candidate : {choices->first_orientation, 3 - choices->first_orientation}) {
      if (!OrnAllows(glass.orn, candidate)) continue;
      block = FitBlock(setup, glass, candidate, rect);
      if (block.Placed()) {
        orientation = candidate;
        break;
      }
    }
  } else {
    orientation = glass.orn == Orn::kEither ? RandomInt(random, 1, 2) : static_cast<int>(glass.orn);
    block = FitBlock(setup, glass, orientation, rect);
  }
  if (!block.Placed()) return {};

  TrimToQuantity(glass_qty[glass_index], choices->rows_first, block);
  if (first_block && setup.pass != 1) Thin(setup, *choices, random, block);

  // Two remainders and a full cut may follow the pieces.
  const int64_t room = kMaxListCount - static_cast<int64_t>(elements.Count()) - 3;
  if (room < 1) return {};
  FitToRoom(room, choices->rows_first, block);

  if (CutsAcross(*choices, rect, setup.stocks[rect.stock_index])) {
    CutAcrossFirst(setup, block.nx, block.ny, glass_index, orientation, glass_qty, rect_index,
                   elements);
  } else {
    CutDownFirst(setup, block.nx, block.ny, glass_index, orientation, glass_qty, rect_index,
                 elements);
  }
  return block;
}

void CutAcrossFirst(const PlacementSetup& setup, int nx, int ny, int glass_index, int orientation,
                    QuantityList& glass_qty, int rect_index, ElementList& elements) {
  const LayoutElement rect = elements[rect_index];
  const BlockEdges edges =
      WriteBlock(setup, nx, ny, glass_index, orientation, glass_qty, rect, rect_index, elements);
  const int last_piece = elements.Count() - 2;
  SetRemainder(elements, last_piece + 1, rect.stock_index, edges.right, rect.y1, rect.x2,
               edges.bottom);
  SetRemainder(elements, last_piece + 2, rect.stock_index, rect.x1, edges.bottom, rect.x2, rect.y2);
  const StockRecord& stock = setup.stocks[rect.stock_index];
  if (rect.x2 == stock.l2 - stock.m_r && rect.x1 == stock.m_l) {
    AppendElement(elements, kFullCut, rect.stock_index, rect.x1 - stock.m_l, edges.bottom,
                  rect.x2 + stock.m_r, edges.bottom);
  }
}

void CutDownFirst(const PlacementSetup& setup, int nx, int ny, int glass_index, int orientation,
                  QuantityList& glass_qty, int rect_index, ElementList& elements) {
  const LayoutElement rect = elements[rect_index];
  const BlockEdges edges =
      WriteBlock(setup, nx, ny, glass_index, orientation, glass_qty, rect, rect_index, elements);
  const int last_piece = elements.Count() - 2;
  SetRemainder(elements, last_piece + 1, rect.stock_index, edges.right, rect.y1, rect.x2, rect.y2);
  SetRemainder(elements, last_piece + 2, rect.stock_index, rect.x1, edges.bottom, edges.right,
               rect.y2);
  const StockRecord& stock = setup.stocks[rect.stock_index];
  if (rect.y2 == stock.l1 - stock.m_b && rect.y1 == stock.m_t) {
    AppendElement(elements, kFullCut, rect.stock_index, edges.right, rect.y1 - stock.m_t,
                  edges.right, rect.y2 + stock.m_b);
  }
}

void DiscardIfEmpty(ElementList& elements, int index) {
  LayoutElement& element = elements[index];
  if (!(element.x2 - element.x1 > 0 && element.y2 - element.y1 > 0)) element.kind = kSpent;
}

void ResetNoFit(ElementList& elements) {
  for (LayoutElement& element : elements) {
    if (element.kind == kNoFit) element.kind = kFreeRect;
  }
}

}  // namespace lumora
