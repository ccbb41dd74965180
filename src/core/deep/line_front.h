#ifndef LUMORA_CORE_DEEP_LINE_FRONT_H_
#define LUMORA_CORE_DEEP_LINE_FRONT_H_

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/deep/line_geometry.h"
#include "core/engine2d/cutting_line.h"

// A partial glass-line plan grown one piece at a time in cutting order, as in the branching
// scheme of Libralesso & Fontan, "An anytime tree search algorithm for the 2018 ROADEF/EURO
// challenge glass cutting problem", European Journal of Operational Research 291(3), 2021: the
// next piece goes beside the last one in its row, into a new row above, into a new strip to the
// right, or onto the next sheet. Only the open strip and row stay flexible: a row grows as
// taller pieces join it (the shorter ones trimmed), a strip widens as wider ones do, and both
// are closed at the least position the line's rules and the sheet's flaws allow. First cuts are
// vertical.
namespace lumora {

// Where the plan stands: the open strip [x1_prev, x1_curr] of the sheet, its open row
// [y2_prev, y2_curr], and the end x3_curr of that row's last part. Sheet -1 before any piece.
struct LineFront {
  int32_t sheet = -1;
  int32_t x1_prev = 0;
  int32_t x1_curr = 0;
  int32_t y2_prev = 0;
  int32_t y2_curr = 0;
  int32_t x3_curr = 0;
};

// Pseudo-dominance of fronts over the same pieces: `a` has used up no more of the sheets than
// `b`, as far as the three steps of their fronts tell. Inline: the beam search asks it of every
// pair of alike fronts.
inline bool FrontDominates(const LineFront& a, const LineFront& b) {
  if (a.sheet != b.sheet) return a.sheet < b.sheet;
  if (a.x1_curr <= b.x1_prev) return true;
  if (a.x1_prev != b.x1_prev || a.x1_curr > b.x1_curr) return false;
  if (a.y2_curr <= b.y2_prev) return true;
  return a.y2_prev == b.y2_prev && a.y2_curr <= b.y2_curr && a.x3_curr <= b.x3_curr;
}

struct ClosedRow {
  int32_t bottom = 0;
  int32_t top = 0;
  int32_t end = 0;  // of its last part
};

// A part of the open row: a piece, or waste left of a flaw. A piece stands on the row's bottom
// and is trimmed to the row's height, or is lifted off a flaw with waste below it and then
// reaches the row's top, which can no longer move.
struct RowPart {
  int32_t x = 0;
  int32_t w = 0;
  int32_t top = -1;  // of the piece; -1 for waste
  int32_t low = 0;   // bottom of the piece
  int32_t piece = -1;
  bool turned = false;
};

struct LineState {
  LineFront front;
  std::vector<ClosedRow> rows;  // closed rows of the open strip, bottom to top
  std::vector<RowPart> parts;   // of the open row, left to right
};

enum class InsertLevel : uint8_t { kRowPart, kNewRow, kNewStrip, kNewSheet };

// How a piece that would hold a flaw where it goes keeps clear of it: moved right with waste
// left of it, lifted in its part with waste below, or, in a new row, on the row below raised
// past the flaw. Lifting and raising are only moves where a flaw is in the way.
enum class Dodge : uint8_t { kRight, kLift, kRaiseRow };

struct LineMove {
  int32_t piece = 0;
  bool turned = false;
  InsertLevel level = InsertLevel::kRowPart;
  Dodge dodge = Dodge::kRight;
};

// A strip closed: the top of its last row and its right.
struct LineStripEnd {
  int32_t top = 0;
  int32_t right = 0;
};

// Where the open row, strip and sheet of a state close, the same for every move from it.
struct LineClosings {
  std::optional<int32_t> row_top;
  std::optional<LineStripEnd> strip;
  bool sheet_known = false;
  std::optional<LineStripEnd> sheet;
  std::vector<int32_t> waste_cuts;  // first cuts of the waste strips right of the last strip
};

class LineFronts {
 public:
  LineFronts(const LineGeometry& geometry, const std::vector<LinePiece>& pieces);

  // The closings of the row and strip; those of the sheet only with `sheet`.
  LineClosings Closings(const LineState& state, bool sheet) const;
  void CloseSheet(const LineState& state, LineClosings& closings) const;

  // The front after the move, or nullopt when no plan can go on that way; with `child` the whole
  // state after it. `closings` are the state's, with the sheet's for a move to a new sheet. With
  // `met_flaw`, whether a flaw stood where the piece would have gone first: a move that lifts or
  // raises is worth asking only then.
  std::optional<LineFront> Apply(const LineState& state, const LineClosings& closings,
                                 const LineMove& move, LineState* child,
                                 bool* met_flaw = nullptr) const;

  // Ends the plan on its sheet: its last strip, or nullopt when the open strip cannot be closed.
  // Where the rules keep no last leftover (KeepsLastLeftover) the sheet closes as any other
  // does, its rest cut off as waste strips at `waste_cuts`.
  std::optional<LineStripEnd> Finish(const LineState& state,
                                     std::vector<int32_t>* waste_cuts = nullptr) const;

  // The area the plan has used up so far: sheets before, strips before, rows below and the
  // open row up to its last part.
  int64_t Consumed(const LineFront& front) const;

 private:
  template <typename T>
  struct Pair {
    std::span<const T> first;
    std::span<const T> second;
    size_t size() const { return first.size() + second.size(); }
    const T& operator[](size_t i) const {
      return i < first.size() ? first[i] : second[i - first.size()];
    }
  };

  std::optional<int32_t> FitRowTop(int32_t sheet, int32_t x1_prev, int32_t bottom,
                                   int32_t checked_top, int32_t top,
                                   std::span<const RowPart> checked,
                                   std::span<const RowPart> fresh) const;
  std::optional<int32_t> CloseRow(const LineState& state, bool strip_end, int32_t least_top) const;
  bool RightCloses(int32_t sheet, int32_t x1_prev, int32_t right) const;
  bool Widen(int32_t sheet, int32_t x1_prev, int32_t x1_old, const Pair<ClosedRow>& rows,
             int32_t right) const;
  std::optional<LineStripEnd> CloseStrip(const LineState& state, const std::optional<int32_t>& top,
                                         int32_t least_right) const;

  // The parts a piece makes at `x0` on a row from `bottom`, whose pieces reach `top` so far;
  // none when it cannot dodge the flaws so.
  int Dodged(int32_t sheet, int32_t x0, int32_t bottom, int32_t top, Dodge dodge, RowPart item,
             int32_t h, RowPart* parts, bool* met_flaw) const;

  std::optional<LineFront> PlaceInRow(const LineState& state, int32_t h, Dodge dodge, RowPart item,
                                      LineState* child, bool* met_flaw) const;
  std::optional<LineFront> PlaceInNewRow(const LineState& state, std::optional<int32_t> bottom,
                                         int32_t h, Dodge dodge, RowPart item, LineState* child,
                                         bool* met_flaw) const;
  std::optional<LineFront> PlaceInNewStrip(int32_t sheet, int32_t left, int32_t h, Dodge dodge,
                                           RowPart item, LineState* child, bool* met_flaw) const;

  const LineGeometry& geometry_;
  const std::vector<LinePiece>& pieces_;
  bool third_stage_ = true;
  bool trims_ = true;
};

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_LINE_FRONT_H_
