#ifndef LUMORA_CORE_DEEP_STRIP_COLUMNS_H_
#define LUMORA_CORE_DEEP_STRIP_COLUMNS_H_

#include <vector>

// The columns a strip of a guillotine pattern is cut into, and a way to fill a strip with
// columns of mixed pieces stacked on each other (the third cut), for jobs whose sizes are too
// different for columns of one size to fill a strip.
namespace lumora::deep {

// One way a piece type can stand in a strip: its width along the strip and height across it.
struct StripPiece {
  int piece = 0;
  int orientation = 0;
  int width = 0;
  int height = 0;
};

// Pieces stacked from the top of the strip; `copies` identical columns stand side by side.
struct Column {
  int width = 0;
  int copies = 1;
  std::vector<StripPiece> pieces;

  int StackHeight() const;
};

// Fills a strip of `width` by `height` column after column: each time the column whose best
// stack (the most valuable pieces no wider than it, by an exact knapsack over the height) has
// the most value per width. `bounds` caps each piece type and falls by what is taken.
std::vector<Column> MixedColumns(std::vector<StripPiece> options, int width, int height,
                                 const std::vector<double>& values, std::vector<int>& bounds);

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_STRIP_COLUMNS_H_
