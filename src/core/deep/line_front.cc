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
// by at least the least waste, and no cut of the row touches a flaw. The cuts of the `checked`
// parts are known clear up to `checked_top`.
std::optional<int32_t> LineFronts::FitRowTop(int32_t sheet, int32_t x1_prev, int32_t bottom,
                                             int32_t checked_top, int32_t top,
                                             std::span<const RowPart> checked,
                                             std::span<const RowPart> fresh) const {
  const int32_t least_waste = geometry_.least_waste();
  // The checked parts fit checked_top already; only a higher top asks anything of them.
  const auto raise_for = [&](std::span<const RowPart> parts, int32_t& raised) {
    for (const RowPart& part : parts) {
      if (part.top < 0 || part.top == top) continue;
      if (!trims_ || part.w < least_waste || part.low > bottom) return false;
      if (top - part.top < least_waste) raised = std::max(raised, part.top + least_waste);
    }
    return true;
  };
  while (true) {
    if (top > geometry_.Height(sheet)) return std::nullopt;
    int32_t raised = top;
    if (!raise_for(fresh, raised)) return std::nullopt;
    if (top > checked_top && !raise_for(checked, raised)) return std::nullopt;
    if (raised == top) break;
    top = raised;
  }
  // Above a top this close to the sheet's edge neither a row nor waste fits, and the pieces
  // below could not be trimmed up to the edge.
  const int32_t above = geometry_.Height(sheet) - top;
  if (above > 0 && above < least_waste) return std::nullopt;
  if (top > checked_top) {
    for (const RowPart& part : checked) {
      if (part.x > x1_prev &&
          !geometry_.CutClear(sheet, part.x, checked_top, 0, top - checked_top)) {
        return std::nullopt;
      }
      if (part.top == checked_top && !geometry_.CutClear(sheet, part.x, part.top, part.w, 0)) {
        return std::nullopt;
      }
    }
  }
  for (const RowPart& part : fresh) {
    if (part.x > x1_prev && !geometry_.CutClear(sheet, part.x, bottom, 0, top - bottom)) {
      return std::nullopt;
    }
    if (part.top < 0) continue;
    const int32_t trim = part.low > bottom ? part.low : part.top;
    if (trim > bottom && trim < top && !geometry_.CutClear(sheet, part.x, trim, part.w, 0)) {
      return std::nullopt;
    }
  }
  return top;
}

std::optional<int32_t> LineFronts::CloseRow(const LineState& state, bool strip_end,
                                            int32_t least_top) const {
  const LineFront& f = state.front;
  const int32_t height = geometry_.Height(f.sheet);
  if (!third_stage_ && f.x3_curr != f.x1_curr) return std::nullopt;
  int32_t top = std::max({f.y2_curr, least_top, f.y2_prev + geometry_.least_row()});
  while (true) {
    if (strip_end && top < height && height - top < geometry_.least_row()) top = height;
    const std::optional<int32_t> fitted =
        FitRowTop(f.sheet, f.x1_prev, f.y2_prev, f.y2_curr, top, state.parts, {});
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

// Whether a strip from x1_prev to `right` can still be closed: right of it another strip, waste
// or a leftover fits, or it can be widened to the sheet's edge.
bool LineFronts::RightCloses(int32_t sheet, int32_t x1_prev, int32_t right) const {
  const int32_t width = geometry_.Width(sheet);
  const int32_t beside = width - right;
  if (beside == 0 || beside >= geometry_.least_strip()) return true;
  return beside >= geometry_.least_waste() && width - x1_prev <= geometry_.most_strip();
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

std::optional<LineStripEnd> LineFronts::CloseStrip(const LineState& state,
                                                   const std::optional<int32_t>& top,
                                                   int32_t least_right) const {
  if (!top) return std::nullopt;
  const LineFront& f = state.front;
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
  return LineStripEnd{*top, right};
}

LineClosings LineFronts::Closings(const LineState& state, bool sheet) const {
  LineClosings closings;
  if (state.front.sheet >= 0) {
    closings.row_top = CloseRow(state, false, 0);
    closings.strip = CloseStrip(state, CloseRow(state, true, 0), 0);
  }
  if (sheet) CloseSheet(state, closings);
  return closings;
}

void LineFronts::CloseSheet(const LineState& state, LineClosings& closings) const {
  closings.sheet_known = true;
  if (state.front.sheet < 0) return;
  const int32_t width = geometry_.Width(state.front.sheet);
  closings.sheet = closings.strip;
  if (!closings.sheet || closings.sheet->right == width) return;
  std::optional<std::vector<int32_t>> cuts =
      geometry_.WasteStripCuts(state.front.sheet, closings.sheet->right, width);
  if (cuts) {
    closings.waste_cuts = std::move(*cuts);
  } else {
    closings.sheet = CloseStrip(state, CloseRow(state, true, 0), width);
  }
}

std::optional<LineStripEnd> LineFronts::Finish(const LineState& state,
                                               std::vector<int32_t>* waste_cuts) const {
  if (!KeepsLastLeftover(geometry_.rules())) {
    LineClosings closings = Closings(state, true);
    if (waste_cuts != nullptr) *waste_cuts = std::move(closings.waste_cuts);
    return closings.sheet;
  }
  const int32_t width = geometry_.Width(state.front.sheet);
  const std::optional<int32_t> top = CloseRow(state, true, 0);
  std::optional<LineStripEnd> closed = CloseStrip(state, top, 0);
  if (closed && closed->right < width && width - closed->right < geometry_.least_waste()) {
    closed = CloseStrip(state, top, width);
  }
  return closed;
}

int LineFronts::Dodged(int32_t sheet, int32_t x0, int32_t bottom, int32_t top, Dodge dodge,
                       RowPart item, int32_t h, RowPart* parts, bool* met_flaw) const {
  const int32_t w = item.w;
  const int32_t width = geometry_.Width(sheet);
  const int32_t height = geometry_.Height(sheet);
  if (x0 + w > width || bottom + h > height) return 0;
  const LineFlaw* flaw = geometry_.FlawIn(sheet, x0, bottom, w, h);
  if (met_flaw != nullptr) *met_flaw = flaw != nullptr;
  item.x = x0;
  item.low = bottom;
  if (dodge == Dodge::kLift) {
    // Into the trim above it, or as little higher as the flaws allow.
    if (flaw == nullptr || !trims_ || w < geometry_.least_waste()) return 0;
    item.low = std::max(bottom + geometry_.least_waste(), top - h);
    while (flaw != nullptr) {
      if (item.low + h > height) return 0;
      flaw = geometry_.FlawIn(sheet, x0, item.low, w, h);
      if (flaw != nullptr) item.low = flaw->y + flaw->h + 1;
    }
  } else {
    // The least X right of x0 where the piece is clear, with room for waste left of it.
    while (flaw != nullptr) {
      if (!third_stage_) return 0;
      item.x = std::max(flaw->x + flaw->w + 1, x0 + geometry_.least_waste());
      if (item.x + w > width) return 0;
      flaw = geometry_.FlawIn(sheet, item.x, bottom, w, h);
    }
  }
  item.top = item.low + h;
  if (item.x == x0) {
    parts[0] = item;
    return 1;
  }
  parts[0] = {x0, item.x - x0, -1, bottom, -1, false};
  parts[1] = item;
  return 2;
}

std::optional<LineFront> LineFronts::PlaceInRow(const LineState& state, int32_t h, Dodge dodge,
                                                RowPart item, LineState* child,
                                                bool* met_flaw) const {
  const LineFront& f = state.front;
  RowPart added[2];
  const int count =
      Dodged(f.sheet, f.x3_curr, f.y2_prev, f.y2_curr, dodge, item, h, added, met_flaw);
  if (count == 0) return std::nullopt;
  const std::span<const RowPart> fresh(added, count);
  const RowPart& placed = added[count - 1];
  const std::optional<int32_t> top = FitRowTop(f.sheet, f.x1_prev, f.y2_prev, f.y2_curr,
                                               std::max(f.y2_curr, placed.top), state.parts, fresh);
  if (!top) return std::nullopt;
  const int32_t right = std::max(f.x1_curr, placed.x + placed.w);
  if (right > f.x1_curr && (!RightCloses(f.sheet, f.x1_prev, right) ||
                            !Widen(f.sheet, f.x1_prev, f.x1_curr, {state.rows, {}}, right))) {
    return std::nullopt;
  }
  LineFront front = f;
  front.x3_curr = placed.x + placed.w;
  front.y2_curr = *top;
  front.x1_curr = right;
  if (child != nullptr) {
    child->front = front;
    child->rows = state.rows;
    child->parts = state.parts;
    child->parts.insert(child->parts.end(), fresh.begin(), fresh.end());
  }
  return front;
}

std::optional<LineFront> LineFronts::PlaceInNewRow(const LineState& state,
                                                   std::optional<int32_t> bottom, int32_t h,
                                                   Dodge dodge, RowPart item, LineState* child,
                                                   bool* met_flaw) const {
  const LineFront& f = state.front;
  if (!bottom) return std::nullopt;
  if (dodge == Dodge::kRaiseRow) {
    const LineFlaw* flaw = geometry_.FlawIn(f.sheet, f.x1_prev, *bottom, item.w, h);
    if (flaw == nullptr) return std::nullopt;  // the plain new row is the same
    while (flaw != nullptr) {
      bottom = CloseRow(state, false, flaw->y + flaw->h + 1);
      if (!bottom || *bottom + h > geometry_.Height(f.sheet)) return std::nullopt;
      flaw = geometry_.FlawIn(f.sheet, f.x1_prev, *bottom, item.w, h);
    }
  }
  RowPart added[2];
  const int count = Dodged(f.sheet, f.x1_prev, *bottom, *bottom, dodge, item, h, added, met_flaw);
  if (count == 0) return std::nullopt;
  const std::span<const RowPart> fresh(added, count);
  const RowPart& placed = added[count - 1];
  if (!third_stage_ && placed.x + placed.w != f.x1_curr) return std::nullopt;
  const ClosedRow closed{f.y2_prev, *bottom, f.x3_curr};
  const int32_t right = std::max(f.x1_curr, placed.x + placed.w);
  if (right > f.x1_curr && (!RightCloses(f.sheet, f.x1_prev, right) ||
                            !Widen(f.sheet, f.x1_prev, f.x1_curr,
                                   {state.rows, std::span<const ClosedRow>(&closed, 1)}, right))) {
    return std::nullopt;
  }
  const std::optional<int32_t> top =
      FitRowTop(f.sheet, f.x1_prev, *bottom, *bottom, placed.top, {}, fresh);
  if (!top) return std::nullopt;
  LineFront front = f;
  front.y2_prev = *bottom;
  front.y2_curr = *top;
  front.x3_curr = placed.x + placed.w;
  front.x1_curr = right;
  if (child != nullptr) {
    child->front = front;
    child->rows = state.rows;
    child->rows.push_back(closed);
    child->parts.assign(fresh.begin(), fresh.end());
  }
  return front;
}

std::optional<LineFront> LineFronts::PlaceInNewStrip(int32_t sheet, int32_t left, int32_t h,
                                                     Dodge dodge, RowPart item, LineState* child,
                                                     bool* met_flaw) const {
  RowPart added[2];
  const int count = Dodged(sheet, left, 0, 0, dodge, item, h, added, met_flaw);
  if (count == 0) return std::nullopt;
  const std::span<const RowPart> fresh(added, count);
  const RowPart& placed = added[count - 1];
  const int32_t right = placed.x + placed.w;
  if (right - left > geometry_.most_strip() || !RightCloses(sheet, left, right)) {
    return std::nullopt;
  }
  const std::optional<int32_t> top = FitRowTop(sheet, left, 0, 0, placed.top, {}, fresh);
  if (!top) return std::nullopt;
  LineFront front;
  front.sheet = sheet;
  front.x1_prev = left;
  front.x1_curr = right;
  front.y2_prev = 0;
  front.y2_curr = *top;
  front.x3_curr = right;
  if (child != nullptr) {
    child->front = front;
    child->rows.clear();
    child->parts.assign(fresh.begin(), fresh.end());
  }
  return front;
}

std::optional<LineFront> LineFronts::Apply(const LineState& state, const LineClosings& closings,
                                           const LineMove& move, LineState* child,
                                           bool* met_flaw) const {
  const LinePiece& piece = pieces_[move.piece];
  const int32_t w = move.turned ? piece.height : piece.width;
  const int32_t h = move.turned ? piece.width : piece.height;
  const RowPart item{0, w, 0, 0, move.piece, move.turned};
  const LineFront& f = state.front;
  if (move.level != InsertLevel::kNewSheet && f.sheet < 0) return std::nullopt;
  switch (move.level) {
    case InsertLevel::kRowPart:
      if (!third_stage_ || move.dodge == Dodge::kRaiseRow) return std::nullopt;
      return PlaceInRow(state, h, move.dodge, item, child, met_flaw);
    case InsertLevel::kNewRow:
      return PlaceInNewRow(state, closings.row_top, h, move.dodge, item, child, met_flaw);
    case InsertLevel::kNewStrip:
      if (!closings.strip || closings.strip->right >= geometry_.Width(f.sheet)) return std::nullopt;
      if (move.dodge == Dodge::kRaiseRow) return std::nullopt;
      return PlaceInNewStrip(f.sheet, closings.strip->right, h, move.dodge, item, child, met_flaw);
    case InsertLevel::kNewSheet:
      if (f.sheet + 1 >= geometry_.SheetCount()) return std::nullopt;
      if (f.sheet >= 0) {
        LineClosings own;
        const LineClosings* known = &closings;
        if (!closings.sheet_known) {
          own = closings;
          CloseSheet(state, own);
          known = &own;
        }
        if (!known->sheet) return std::nullopt;
      }
      if (move.dodge == Dodge::kRaiseRow) return std::nullopt;
      return PlaceInNewStrip(f.sheet + 1, 0, h, move.dodge, item, child, met_flaw);
  }
  return std::nullopt;
}

}  // namespace lumora
