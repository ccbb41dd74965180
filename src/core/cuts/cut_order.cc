#include "core/cuts/cut_order.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <deque>
#include <limits>
#include <utility>
#include <vector>

#include "core/engine2d/edge_span.h"

namespace lumora {
namespace {

struct Piece {
  Span along[2];  // indexed by CutAxis: [kX] the X extent, [kY] the Y extent
  int number = 0;
};

// A piece of glass in hand: its extent and the pieces still in it.
struct Region {
  Span along[2];
  std::vector<int> pieces;
  int stage = 1;
  // The axes its cuts may run on, the preferred one first.
  std::vector<CutAxis> axes;
};

int Index(CutAxis axis) { return axis == CutAxis::kX ? 0 : 1; }
CutAxis Other(CutAxis axis) { return axis == CutAxis::kX ? CutAxis::kY : CutAxis::kX; }

bool Fills(const Piece& piece, const Region& region) {
  for (int a = 0; a < 2; ++a) {
    if (std::fabs(piece.along[a].lo - region.along[a].lo) > kSameEdge ||
        std::fabs(piece.along[a].hi - region.along[a].hi) > kSameEdge) {
      return false;
    }
  }
  return true;
}

// The positions on the axis, strictly inside the region, where a line crosses no piece. One
// sweep over the pieces in the order of their near edge, so that a row of thousands of pieces
// takes no longer than sorting them.
std::vector<float> FreeLines(const Region& region, const std::vector<Piece>& pieces, CutAxis axis) {
  const int a = Index(axis);
  const Span inside = region.along[a];
  std::vector<Span> spans;
  std::vector<float> edges;
  for (int p : region.pieces) {
    spans.push_back(pieces[p].along[a]);
    for (float edge : {pieces[p].along[a].lo, pieces[p].along[a].hi}) {
      if (edge > inside.lo + kSameEdge && edge < inside.hi - kSameEdge) edges.push_back(edge);
    }
  }
  std::sort(edges.begin(), edges.end());
  std::sort(spans.begin(), spans.end(), [](const Span& l, const Span& r) { return l.lo < r.lo; });
  std::vector<float> lines;
  size_t started = 0;
  // The farthest far edge of the pieces that start before the line.
  float reach = -std::numeric_limits<float>::infinity();
  for (float edge : edges) {
    if (!lines.empty() && edge - lines.back() <= kSameEdge) continue;
    for (; started < spans.size() && spans[started].lo < edge - kSameEdge; ++started) {
      reach = std::max(reach, spans[started].hi);
    }
    if (!(reach > edge + kSameEdge)) lines.push_back(edge);
  }
  return lines;
}

// The strips between the lines, each with the pieces whose middle lies in it.
std::vector<Region> Strips(const Region& region, const std::vector<Piece>& pieces, CutAxis axis,
                           const std::vector<float>& lines) {
  const int a = Index(axis);
  std::vector<float> bounds = {region.along[a].lo};
  bounds.insert(bounds.end(), lines.begin(), lines.end());
  bounds.push_back(region.along[a].hi);
  std::vector<Region> strips(bounds.size() - 1);
  for (size_t s = 0; s < strips.size(); ++s) {
    strips[s].along[a] = {bounds[s], bounds[s + 1]};
    strips[s].along[1 - a] = region.along[1 - a];
    strips[s].stage = region.stage + 1;
    strips[s].axes = {Other(axis)};
  }
  for (int p : region.pieces) {
    const float middle = (pieces[p].along[a].lo + pieces[p].along[a].hi) / 2;
    const auto above = std::upper_bound(bounds.begin(), bounds.end(), middle);
    if (above == bounds.begin() || above == bounds.end()) continue;
    strips[static_cast<size_t>(above - bounds.begin() - 1)].pieces.push_back(p);
  }
  std::erase_if(strips, [](const Region& strip) { return strip.pieces.empty(); });
  return strips;
}

CutAxis FirstStageAxis(const ElementList& elements, int first, int last) {
  for (int i = first; i <= last; ++i) {
    const LayoutElement& e = elements[i];
    if (e.kind == kFullCut) return e.x1 == e.x2 ? CutAxis::kX : CutAxis::kY;
  }
  const LayoutElement& frame = elements[first];
  return frame.x2 - frame.x1 >= frame.y2 - frame.y1 ? CutAxis::kX : CutAxis::kY;
}

}  // namespace

LayoutCuts CutOrder(const ElementList& elements, int first, int last, float roll_end,
                    CutSequence sequence) {
  LayoutCuts result;
  if (!elements.Contains(first) || !elements.Contains(last) || first > last) return result;
  std::vector<Piece> pieces;
  int number = 0;
  for (int i = first; i <= last; ++i) {
    const LayoutElement& e = elements[i];
    if (e.kind <= 0) continue;
    ++number;
    // A piece without area is nothing to cut out.
    if (!(e.x2 - e.x1 > kSameEdge && e.y2 - e.y1 > kSameEdge)) continue;
    pieces.push_back({{{e.x1, e.x2}, {e.y1, e.y2}}, number});
  }
  const LayoutElement& frame = elements[first];
  Region sheet{{{frame.x1, frame.x2}, {frame.y1, frame.y2}}, {}, 1, {}};
  if (roll_end > frame.x2 + kSameEdge) {
    const Cut parting{1, 1, CutAxis::kX, frame.x2, frame.y1, frame.y2 - frame.y1};
    result.cuts.push_back(parting);
    result.total_length += parting.length;
    sheet.stage = 2;
  }
  const CutAxis axis = FirstStageAxis(elements, first, last);
  sheet.axes = {axis, Other(axis)};
  for (int p = 0; p < static_cast<int>(pieces.size()); ++p) sheet.pieces.push_back(p);

  // Stage by stage takes the parts first in, first out, and makes a part's cuts as it is taken;
  // part by part takes them last in, first out, each with the cuts that part it off.
  struct Pending {
    Region region;
    std::vector<Cut> partings;
  };
  const auto make = [&result](Cut cut) {
    cut.number = static_cast<int>(result.cuts.size()) + 1;
    result.cuts.push_back(cut);
    result.total_length += cut.length;
  };
  const bool part_by_part = sequence == CutSequence::kPartByPart;
  std::deque<Pending> pending = {{sheet, {}}};
  while (!pending.empty()) {
    Pending next = std::move(part_by_part ? pending.back() : pending.front());
    if (part_by_part) {
      pending.pop_back();
    } else {
      pending.pop_front();
    }
    for (const Cut& cut : next.partings) make(cut);
    const Region& region = next.region;
    if (region.pieces.size() == 1 && Fills(pieces[region.pieces[0]], region)) {
      result.freed_pieces.push_back(pieces[region.pieces[0]].number);
      continue;
    }
    bool parted = false;
    for (CutAxis cut_axis : region.axes) {
      const std::vector<float> lines = FreeLines(region, pieces, cut_axis);
      if (lines.empty()) continue;
      const Span across = region.along[1 - Index(cut_axis)];
      std::vector<Cut> cuts;
      for (float line : lines) {
        cuts.push_back({0, region.stage, cut_axis, line, across.lo, across.hi - across.lo});
      }
      std::vector<Region> strips = Strips(region, pieces, cut_axis, lines);
      if (!part_by_part) {
        for (const Cut& cut : cuts) make(cut);
        for (Region& strip : strips) pending.push_back({std::move(strip), {}});
      } else {
        // A cut parts off the part before it, so it is made just before that part is cut up;
        // a cut before the first part goes with it.
        std::vector<Pending> parts;
        for (Region& strip : strips) parts.push_back({std::move(strip), {}});
        size_t part = 0;
        for (const Cut& cut : cuts) {
          while (part + 1 < parts.size() &&
                 parts[part + 1].region.along[Index(cut_axis)].lo < cut.position - kSameEdge) {
            ++part;
          }
          if (!parts.empty()) parts[part].partings.push_back(cut);
        }
        for (auto next_part = parts.rbegin(); next_part != parts.rend(); ++next_part) {
          pending.push_back(std::move(*next_part));
        }
      }
      parted = true;
      break;
    }
    if (!parted && region.pieces.size() > 1) {
      for (int p : region.pieces) result.blocking_pieces.push_back(pieces[p].number);
    }
  }
  std::sort(result.blocking_pieces.begin(), result.blocking_pieces.end());
  return result;
}

}  // namespace lumora
