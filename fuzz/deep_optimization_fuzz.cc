// A small job made from the bytes (stock and glass sizes, quantities, ORN, margins, kerf, the
// tolerance and B): the deep optimization rejects none of its results, and the one it returns,
// whatever it is, passes the validator.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/base/number_text.h"
#include "core/deep/deep_optimization.h"
#include "core/engine2d/result_validator.h"
#include "core/tables/grid.h"
#include "fuzz_support.h"

namespace lumora::fuzz {
namespace {

class ByteSource {
 public:
  ByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int Next(int modulo) { return at_ < size_ ? data_[at_++] % modulo : 0; }
  // A length in millimetres from lo, in halves when the next byte says so.
  std::string Length(int lo, int span) {
    const int whole = lo + (Next(256) * 256 + Next(256)) % span;
    return GeneralText(whole) + (Next(4) == 0 ? ".5" : "");
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// A job grid: header row, rows of cells from column 1, and the blank entry row.
Grid JobGrid(int columns, int rows) { return Grid(rows + 2, columns + 1); }

}  // namespace
}  // namespace lumora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumora;
  fuzz::ByteSource bytes(data, size);
  Grid basic = fuzz::JobGrid(11, 1);
  basic.SetText(1, 4, "99999");                                                  // BLADE
  basic.SetText(1, 6, GeneralText(bytes.Next(6)));                               // KERF
  basic.SetText(1, 8, GeneralText(bytes.Next(3)));                               // T (MM)
  basic.SetText(1, 9, bytes.Next(4) == 0 ? GeneralText(bytes.Next(200)) : "0");  // B (MM)
  const int stocks = 1 + bytes.Next(3);
  Grid sheet = fuzz::JobGrid(10, stocks);
  for (int row = 1; row <= stocks; ++row) {
    sheet.SetText(row, 1, bytes.Length(100, 3000));
    sheet.SetText(row, 2, bytes.Length(100, 3000));
    sheet.SetText(row, 5, GeneralText(1 + bytes.Next(20)));
    for (int margin = 6; margin <= 9; ++margin) {
      sheet.SetText(row, margin, GeneralText(bytes.Next(4) == 0 ? bytes.Next(40) : 0));
    }
  }
  const int sizes = 1 + bytes.Next(8);
  Grid glass = fuzz::JobGrid(16, sizes);
  for (int row = 1; row <= sizes; ++row) {
    glass.SetText(row, 1, bytes.Length(5, 1500));
    glass.SetText(row, 2, bytes.Length(5, 1500));
    glass.SetText(row, 5, GeneralText(1 + bytes.Next(30)));
    glass.SetText(row, 6, GeneralText(bytes.Next(3)));
  }
  const bool coil = bytes.Next(5) == 0;
  const EngineJob job{basic, sheet, glass, coil, bytes.Next(2) == 0, bytes.Next(3) == 0};
  DeepSettings settings;
  // Three steps a chain: after the first plan, the second step replans its tail or, where a
  // sheet may be spared, searches for a plan of a sheet fewer, and the third goes on.
  settings.budget = 3 * 8;
  settings.threads = 1;
  settings.trim_allowance = ReadFloat(basic.Text(1, 8)) + 0.001f;
  const DeepResult run = RunDeepOptimization(job, settings);
  fuzz::Require(run.figures.rejected == 0);
  if (!run.result.best.Empty()) {
    fuzz::Require(ValidateResult(job, settings.trim_allowance, run.result.best).empty());
  }
  return 0;
}
