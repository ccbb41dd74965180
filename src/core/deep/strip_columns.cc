#include "core/deep/strip_columns.h"

#include <algorithm>

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
  std::vector<double> best;
  std::vector<uint8_t> taken;
  std::vector<Chunk> chunks;
  std::vector<Column> columns;
  int left = width;
  while (left > 0) {
    chunks.clear();
    for (size_t i = 0; i < options.size() && options[i].width <= left; ++i) {
      const StripPiece& option = options[i];
      int count = std::min(bounds[static_cast<size_t>(option.piece)], height / option.height);
      for (int chunk = 1; count > 0; chunk *= 2) {
        chunks.push_back({i, std::min(chunk, count)});
        count -= chunks.back().count;
      }
    }
    // A strip of thousands of sizes gets no mixed columns: their cost would stall the search.
    if (chunks.size() * (capacity + 1) > kMaxTableBytes) break;
    // One knapsack serves every column width: after the chunks no wider than a width, the
    // table holds that width's best stack.
    best.assign(capacity + 1, 0.0);
    taken.assign(chunks.size() * (capacity + 1), 0);
    size_t best_end = 0;
    double best_density = 0;
    for (size_t k = 0; k < chunks.size(); ++k) {
      const StripPiece& option = options[chunks[k].option];
      const auto h = static_cast<size_t>(option.height * chunks[k].count);
      const double v = values[static_cast<size_t>(option.piece)] * chunks[k].count;
      uint8_t* row = &taken[k * (capacity + 1)];
      for (size_t c = capacity; c >= h; --c) {
        if (best[c - h] + v > best[c] + kValueEpsilon) {
          best[c] = best[c - h] + v;
          row[c] = 1;
        }
        if (c == h) break;
      }
      const bool last_of_width =
          k + 1 == chunks.size() || options[chunks[k + 1].option].width > option.width;
      if (last_of_width && best[capacity] > best_density * option.width + kValueEpsilon) {
        best_density = best[capacity] / option.width;
        best_end = k + 1;
      }
    }
    if (best_end == 0) break;

    Column column;
    column.width = options[chunks[best_end - 1].option].width;
    size_t c = capacity;
    for (size_t k = best_end; k-- > 0;) {
      if (!taken[k * (capacity + 1) + c]) continue;
      const StripPiece& option = options[chunks[k].option];
      c -= static_cast<size_t>(option.height * chunks[k].count);
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
