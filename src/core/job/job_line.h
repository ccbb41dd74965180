#ifndef LUMORA_CORE_JOB_JOB_LINE_H_
#define LUMORA_CORE_JOB_JOB_LINE_H_

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/job/line_settings.h"
#include "core/tables/grid.h"

// What a job knows of the glass line beyond its grids: the cutting table's settings, the flaws
// of each stock row's sheets and the stack of each glass row. Flaws and stacks are kept by the
// row's id (Grid::RowIdOf), so they follow their row when the grid is sorted and go with it when
// the row is emptied and the grid stored, or the grid is cleared or loaded afresh.
namespace lumora {

// A flaw of one sheet of a stock row: a rectangle in millimetres from the sheet's lower-left
// corner as the layouts show the sheet, X along L1 and Y along L2.
struct SheetFlaw {
  int sheet = 1;  // 1 .. the row's QTY
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;

  bool operator==(const SheetFlaw&) const = default;
};

// The stack a glass row's pieces go to and their place in it. Pieces of a stack leave the
// table by their rows' sequence numbers, rows without one after those in grid order, and the
// pieces of one row one after another.
struct GlassStack {
  std::string name;  // as a table cell holds it, up to kStackNameLength characters
  int sequence = 0;  // 0: none given

  bool operator==(const GlassStack&) const = default;
};

inline constexpr int kStackNameLength = 12;
// The highest sheet and sequence number: a QTY holds five digits.
inline constexpr int kMostLineNumber = 99999;

// A Sheet or Glass row's QTY as a number of sheets or pieces: its whole part, 0 to
// kMostLineNumber.
int RowQuantity(const Grid& grid, int row);

class JobLine {
 public:
  // The "Cutting Line" settings; none when the job has not been given any.
  const std::optional<CuttingLineSettings>& settings() const { return settings_; }
  void SetSettings(const std::optional<CuttingLineSettings>& settings) { settings_ = settings; }

  // The flaws of a stock row's sheets, in the order they were given.
  const std::vector<SheetFlaw>& Flaws(RowId stock_row) const;
  // Replaces them; none takes the row's flaws away.
  void SetFlaws(RowId stock_row, std::vector<SheetFlaw> flaws);
  // Whether a row the grid holds and stores has flaws.
  bool HasFlaws(const Grid& sheet) const;
  void ClearFlaws() { flaws_.clear(); }

  // The stack of a glass row, nullopt for a row in none.
  std::optional<GlassStack> Stack(RowId glass_row) const;
  void SetStack(RowId glass_row, const std::optional<GlassStack>& stack);

  // Whether the job knows the line: it has settings, or a flaw or a stack on a row the grids
  // hold and store.
  bool Any(const Grid& sheet, const Grid& glass) const;

  void Clear() { *this = JobLine(); }

 private:
  std::optional<CuttingLineSettings> settings_;
  std::map<RowId, std::vector<SheetFlaw>> flaws_;
  std::map<RowId, GlassStack> stacks_;
};

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_LINE_H_
