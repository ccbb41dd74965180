#include "core/deep/strip_columns.h"

#include <algorithm>

#include "core/deep/knapsack.h"

namespace lumora::deep {
namespace {

// `count` pieces of one option stacked: a bounded count is offered in powers of two.
struct Chunk {
  size_t option = 0;
  int count = 0;
};

}  // namespace

int Column::StackHeight() const {
  int height = 0;
  for (const StripPiece& piece : pieces) height += piece.height;
  return height;
}

std::vector<Column> MixedColumns(std::vector<StripPiece> options, int width, int height,
                                 const std::vector<double>& values, std::vector<int>& bounds) {
  std::stable_sort(options.begin(), options.end(),
                   [](const StripPiece& a, const StripPiece& b) { return a.width < b.width; });
  const auto capacity = static_cast<size_t>(height);
  ZeroOneKnapsack knapsack;
  std::vector<Chunk> chunks;
  std::vector<Column> columns;
  int left = width;
  while (left > 0) {
    chunks.clear();
    for (size_t i = 0; i < options.size() && options[i].width <= left; ++i) {
      const StripPiece& option = options[i];
      const int most = std::min(bounds[static_cast<size_t>(option.piece)], height / option.height);
      for (int count : PowerOfTwoParts(most)) chunks.push_back({i, count});
    }
    // A strip of thousands of sizes gets no mixed columns: their cost would stall the search.
    if (!ZeroOneKnapsack::Fits(chunks.size(), capacity)) break;
    // One knapsack serves every column width: after the chunks no wider than a width, the
    // table holds that width's best stack.
    knapsack.Start(capacity, chunks.size());
    size_t best_end = 0;
    double best_density = 0;
    for (size_t k = 0; k < chunks.size(); ++k) {
      const StripPiece& option = options[chunks[k].option];
      knapsack.Add(static_cast<size_t>(option.height * chunks[k].count),
                   values[static_cast<size_t>(option.piece)] * chunks[k].count);
      const bool last_of_width =
          k + 1 == chunks.size() || options[chunks[k + 1].option].width > option.width;
      if (last_of_width && knapsack.Best() > best_density * option.width + kValueEpsilon) {
        best_density = knapsack.Best() / option.width;
        best_end = k + 1;
      }
    }
    if (best_end == 0) break;

    Column column;
    column.width = options[chunks[best_end - 1].option].width;
    for (size_t k : knapsack.Chosen(best_end)) {
      const StripPiece& option = options[chunks[k].option];
      // Both orientations of a type may have been taken past its bound.
      int& bound = bounds[static_cast<size_t>(option.piece)];
      const int count = std::min(chunks[k].count, bound);
      bound -= count;
      column.pieces.insert(column.pieces.end(), static_cast<size_t>(count), option);
    }
    if (column.pieces.empty()) break;
    left -= column.width;
    columns.push_back(std::move(column));
  }
  return columns;
}

}  // namespace lumora::deep
