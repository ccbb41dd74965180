#include "core/deep/line_front.h"

#include <algorithm>

namespace lumora {

LineFronts::LineFronts(const LineGeometry& geometry, const std::vector<LinePiece>& pieces)
    : geometry_(geometry), pieces_(pieces) {
  const LineStages stages = geometry.rules().stages;
  third_stage_ = stages != LineStages::kTwo;
  trims_ = stages == LineStages::kThreeWithTrim || stages == LineStages::kUnlimited;
}

int64_t LineFronts::Consumed(const LineFront& f) const {
  if (f.sheet < 0) return 0;
  const int64_t height = geometry_.Height(f.sheet);
  return geometry_.AreaBefore(f.sheet) + f.x1_prev * height +
         static_cast<int64_t>(f.x1_curr - f.x1_prev) * f.y2_prev +
         static_cast<int64_t>(f.x3_curr - f.x1_prev) * (f.y2_curr - f.y2_prev);
}

// The least top at or above `top` at which every piece of the row is its own height or trimmed
// by at least the least waste, and no cut of the row touches a flaw.
std::optional<int32_t> LineFronts::FitRowTop(int32_t sheet, int32_t x1_prev, int32_t bottom,
                                             int32_t top, const Pair<RowPart>& parts) const {
  const int32_t least_waste = geometry_.least_waste();
  while (true) {
    if (top > geometry_.Height(sheet)) return std::nullopt;
    int32_t raised = top;
    for (size_t i = 0; i < parts.size(); ++i) {
      const RowPart& part = parts[i];
      if (part.top < 0 || part.top == top) continue;
      if (!trims_ || part.w < least_waste) return std::nullopt;
      if (top - part.top < least_waste) raised = std::max(raised, part.top + least_waste);
    }
    if (raised == top) break;
    top = raised;
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    const RowPart& part = parts[i];
    if (part.x > x1_prev && !geometry_.CutClear(sheet, part.x, bottom, 0, top - bottom)) {
      return std::nullopt;
    }
    if (part.top >= 0 && part.top < top &&
        !geometry_.CutClear(sheet, part.x, part.top, part.w, 0)) {
      return std::nullopt;
    }
  }
  return top;
}

std::optional<int32_t> LineFronts::CloseRow(const LineFront& f, const Pair<RowPart>& parts,
                                            bool strip_end, int32_t least_top) const {
  const int32_t height = geometry_.Height(f.sheet);
  if (!third_stage_ && f.x3_curr != f.x1_curr) return std::nullopt;
  int32_t top = std::max({f.y2_curr, least_top, f.y2_prev + geometry_.least_row()});
  while (true) {
    if (strip_end && top < height && height - top < geometry_.least_row()) top = height;
    const std::optional<int32_t> fitted = FitRowTop(f.sheet, f.x1_prev, f.y2_prev, top, parts);
    if (!fitted) return std::nullopt;
    if (*fitted != top) {
      top = *fitted;
      continue;
    }
    if (top == height) break;
    const LineFlaw* flaw =
        geometry_.FlawUnderCut(f.sheet, f.x1_prev, top, f.x1_curr - f.x1_prev, 0);
    if (flaw == nullptr) break;
    top = flaw->y + flaw->h + 1;
  }
  if (f.x3_curr < f.x1_curr &&
      !geometry_.CutClear(f.sheet, f.x3_curr, f.y2_prev, 0, top - f.y2_prev)) {
    return std::nullopt;
  }
  return top;
}

// Moves the right of the open strip from x1_old to `right`: the rows gain waste at their ends and
// their second cuts run on.
bool LineFronts::Widen(int32_t sheet, int32_t x1_prev, int32_t x1_old, const Pair<ClosedRow>& rows,
                       int32_t right) const {
  if (right > geometry_.Width(sheet) || right - x1_prev > geometry_.most_strip()) return false;
  if (rows.size() > 0 && !third_stage_) return false;
  const int32_t height = geometry_.Height(sheet);
  for (size_t i = 0; i < rows.size(); ++i) {
    const ClosedRow& row = rows[i];
    if (right - row.end < geometry_.least_waste()) return false;
    if (row.end == x1_old &&
        !geometry_.CutClear(sheet, row.end, row.bottom, 0, row.top - row.bottom)) {
      return false;
    }
    if (row.top < height && !geometry_.CutClear(sheet, x1_old, row.top, right - x1_old, 0)) {
      return false;
    }
  }
  return true;
}

std::optional<LineFronts::Closed> LineFronts::CloseStrip(const LineState& state,
                                                         int32_t least_right) const {
  const LineFront& f = state.front;
  const std::optional<int32_t> top = CloseRow(f, {state.parts, {}}, true, 0);
  if (!top) return std::nullopt;
  const ClosedRow last{f.y2_prev, *top, f.x3_curr};
  const Pair<ClosedRow> rows{state.rows, std::span<const ClosedRow>(&last, 1)};
  const int32_t width = geometry_.Width(f.sheet);
  const int32_t height = geometry_.Height(f.sheet);
  int32_t right = std::max({f.x1_curr, f.x1_prev + geometry_.least_strip(), least_right});
  while (right <= width) {
    int32_t moved = right;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (moved > rows[i].end && moved - rows[i].end < geometry_.least_waste()) {
        moved = rows[i].end + geometry_.least_waste();
      }
    }
    if (moved == right && right < width) {
      const LineFlaw* flaw = geometry_.FlawUnderCut(f.sheet, right, 0, 0, height);
      if (flaw != nullptr) moved = flaw->x + flaw->w + 1;
    }
    if (moved == right) break;
    right = moved;
  }
  if (right > width || (!third_stage_ && right != f.x1_curr)) return std::nullopt;
  if (right > f.x1_curr && !Widen(f.sheet, f.x1_prev, f.x1_curr, rows, right)) return std::nullopt;
  if (right - f.x1_prev > geometry_.most_strip()) return std::nullopt;
  return Closed{*top, right};
}

std::optional<LineFronts::Closed> LineFronts::CloseSheet(const LineState& state,
                                                         std::vector<int32_t>* waste_cuts) const {
  const int32_t width = geometry_.Width(state.front.sheet);
  std::optional<Closed> closed = CloseStrip(state, 0);
  if (closed && closed->right < width) {
    std::optional<std::vector<int32_t>> cuts =
        geometry_.WasteStripCuts(state.front.sheet, closed->right, width);
    if (cuts) {
      if (waste_cuts != nullptr) *waste_cuts = std::move(*cuts);
      return closed;
    }
    closed = CloseStrip(state, width);
  }
  return closed;
}

std::optional<int32_t> LineFronts::Finish(const LineState& state, LineClosures* closures) const {
  const int32_t width = geometry_.Width(state.front.sheet);
  std::optional<Closed> closed = CloseStrip(state, 0);
  if (closed && closed->right < width && width - closed->right < geometry_.least_waste()) {
    closed = CloseStrip(state, width);
  }
  if (!closed) return std::nullopt;
  if (closures != nullptr) {
    closures->row_closed = closures->strip_closed = true;
    closures->row_top = closed->top;
    closures->strip_right = closed->right;
  }
  return closed->right;
}

// The least X at or right of x0 where the piece touches no flaw, leaving room for waste between.
std::optional<int32_t> LineFronts::MoveRight(int32_t sheet, int32_t x0, int32_t y, int32_t w,
                                             int32_t h) const {
  int32_t x = x0;
  while (x + w <= geometry_.Width(sheet)) {
    const LineFlaw* flaw = geometry_.FlawIn(sheet, x, y, w, h);
    if (flaw == nullptr) return x;
    if (!third_stage_) return std::nullopt;
    x = std::max(flaw->x + flaw->w + 1, x0 + geometry_.least_waste());
  }
  return std::nullopt;
}

std::optional<LineFront> LineFronts::PlaceInRow(const LineState& state, int32_t w, int32_t h,
                                                const RowPart& item_at, LineState* child) const {
  const LineFront& f = state.front;
  const std::optional<int32_t> x = MoveRight(f.sheet, f.x3_curr, f.y2_prev, w, h);
  if (!x) return std::nullopt;
  RowPart added[2] = {{f.x3_curr, *x - f.x3_curr, -1, -1, false}, item_at};
  added[1].x = *x;
  added[1].top = f.y2_prev + h;
  const std::span<const RowPart> extra =
      *x > f.x3_curr ? std::span<const RowPart>(added, 2) : std::span<const RowPart>(added + 1, 1);
  const std::optional<int32_t> top = FitRowTop(
      f.sheet, f.x1_prev, f.y2_prev, std::max(f.y2_curr, f.y2_prev + h), {state.parts, extra});
  if (!top) return std::nullopt;
  const int32_t right = std::max(f.x1_curr, *x + w);
  if (right > f.x1_curr && !Widen(f.sheet, f.x1_prev, f.x1_curr, {state.rows, {}}, right)) {
    return std::nullopt;
  }
  LineFront front = f;
  front.x3_curr = *x + w;
  front.y2_curr = *top;
  front.x1_curr = right;
  if (child != nullptr) {
    child->front = front;
    child->rows = state.rows;
    child->parts = state.parts;
    child->parts.insert(child->parts.end(), extra.begin(), extra.end());
  }
  return front;
}

std::optional<LineFront> LineFronts::PlaceInNewRow(const LineState& state, int32_t w, int32_t h,
                                                   bool raise, RowPart item, LineState* child,
                                                   LineClosures* closures) const {
  const LineFront& f = state.front;
  const Pair<RowPart> parts{state.parts, {}};
  std::optional<int32_t> bottom = CloseRow(f, parts, false, 0);
  if (!bottom) return std::nullopt;
  std::optional<int32_t> x = f.x1_prev;
  if (raise) {
    const LineFlaw* flaw = geometry_.FlawIn(f.sheet, f.x1_prev, *bottom, w, h);
    if (flaw == nullptr) return std::nullopt;  // the plain new row is the same
    while (flaw != nullptr) {
      bottom = CloseRow(f, parts, false, flaw->y + flaw->h + 1);
      if (!bottom || *bottom + h > geometry_.Height(f.sheet)) return std::nullopt;
      flaw = geometry_.FlawIn(f.sheet, f.x1_prev, *bottom, w, h);
    }
  } else {
    x = MoveRight(f.sheet, f.x1_prev, *bottom, w, h);
    if (!x) return std::nullopt;
  }
  if (*bottom + h > geometry_.Height(f.sheet)) return std::nullopt;
  if (!third_stage_ && *x + w != f.x1_curr) return std::nullopt;
  const ClosedRow closed{f.y2_prev, *bottom, f.x3_curr};
  const int32_t right = std::max(f.x1_curr, *x + w);
  if (right > f.x1_curr && !Widen(f.sheet, f.x1_prev, f.x1_curr,
                                  {state.rows, std::span<const ClosedRow>(&closed, 1)}, right)) {
    return std::nullopt;
  }
  item.x = *x;
  item.top = *bottom + h;
  const RowPart added[2] = {{f.x1_prev, *x - f.x1_prev, -1, -1, false}, item};
  const std::span<const RowPart> fresh =
      *x > f.x1_prev ? std::span<const RowPart>(added, 2) : std::span<const RowPart>(added + 1, 1);
  const std::optional<int32_t> top =
      FitRowTop(f.sheet, f.x1_prev, *bottom, *bottom + h, {fresh, {}});
  if (!top) return std::nullopt;
  LineFront front = f;
  front.y2_prev = *bottom;
  front.y2_curr = *top;
  front.x3_curr = *x + w;
  front.x1_curr = right;
  if (child != nullptr) {
    child->front = front;
    child->rows = state.rows;
    child->rows.push_back(closed);
    child->parts.assign(fresh.begin(), fresh.end());
  }
  if (closures != nullptr) {
    closures->row_closed = true;
    closures->row_top = *bottom;
  }
  return front;
}

std::optional<LineFront> LineFronts::PlaceInNewStrip(int32_t sheet, int32_t left, int32_t w,
                                                     int32_t h, RowPart item,
                                                     LineState* child) const {
  if (h > geometry_.Height(sheet)) return std::nullopt;
  const std::optional<int32_t> x = MoveRight(sheet, left, 0, w, h);
  if (!x || *x + w - left > geometry_.most_strip()) return std::nullopt;
  item.x = *x;
  item.top = h;
  const RowPart added[2] = {{left, *x - left, -1, -1, false}, item};
  const std::span<const RowPart> fresh =
      *x > left ? std::span<const RowPart>(added, 2) : std::span<const RowPart>(added + 1, 1);
  const std::optional<int32_t> top = FitRowTop(sheet, left, 0, h, {fresh, {}});
  if (!top) return std::nullopt;
  LineFront front;
  front.sheet = sheet;
  front.x1_prev = left;
  front.x1_curr = *x + w;
  front.y2_prev = 0;
  front.y2_curr = *top;
  front.x3_curr = *x + w;
  if (child != nullptr) {
    child->front = front;
    child->rows.clear();
    child->parts.assign(fresh.begin(), fresh.end());
  }
  return front;
}

std::optional<LineFront> LineFronts::Apply(const LineState& state, const LineMove& move,
                                           LineState* child, LineClosures* closures) const {
  const LinePiece& piece = pieces_[move.piece];
  const int32_t w = move.turned ? piece.height : piece.width;
  const int32_t h = move.turned ? piece.width : piece.height;
  const RowPart item{0, w, 0, move.piece, move.turned};
  const LineFront& f = state.front;
  if (move.level != InsertLevel::kNewSheet && f.sheet < 0) return std::nullopt;
  switch (move.level) {
    case InsertLevel::kRowPart:
      if (!third_stage_) return std::nullopt;
      return PlaceInRow(state, w, h, item, child);
    case InsertLevel::kNewRow:
      return PlaceInNewRow(state, w, h, move.raise, item, child, closures);
    case InsertLevel::kNewStrip: {
      const std::optional<Closed> closed = CloseStrip(state, 0);
      if (!closed || closed->right >= geometry_.Width(f.sheet)) return std::nullopt;
      if (closures != nullptr) {
        closures->row_closed = closures->strip_closed = true;
        closures->row_top = closed->top;
        closures->strip_right = closed->right;
      }
      return PlaceInNewStrip(f.sheet, closed->right, w, h, item, child);
    }
    case InsertLevel::kNewSheet: {
      if (f.sheet + 1 >= geometry_.SheetCount()) return std::nullopt;
      if (f.sheet >= 0) {
        std::vector<int32_t> cuts;
        const std::optional<Closed> closed = CloseSheet(state, closures ? &cuts : nullptr);
        if (!closed) return std::nullopt;
        if (closures != nullptr) {
          closures->row_closed = closures->strip_closed = closures->sheet_closed = true;
          closures->row_top = closed->top;
          closures->strip_right = closed->right;
          closures->waste_cuts = std::move(cuts);
        }
      }
      return PlaceInNewStrip(f.sheet + 1, 0, w, h, item, child);
    }
  }
  return std::nullopt;
}

}  // namespace lumora
