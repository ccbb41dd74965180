#include "core/engine2d/line_tree_recovery.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/engine2d/result_files.h"

namespace lumora {
namespace {

// A piece of a layout in the line's units on its sheet; `piece` is a line piece of its glass
// row, the copy chosen once the cutting order is known.
struct PlacedRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
  int32_t piece = -1;
};

// A part of a node along the axis it is cut along, with the pieces inside it.
struct Segment {
  int32_t start = 0;
  int32_t end = 0;
  std::vector<PlacedRect> pieces;
};

int32_t Start(const PlacedRect& p, bool along_x) { return along_x ? p.x : p.y; }
int32_t End(const PlacedRect& p, bool along_x) { return along_x ? p.x + p.w : p.y + p.h; }

// One layout copy: the line sheet it stands for, its pieces and the first cuts it shows.
struct SheetLayout {
  int32_t sheet = 0;
  int layout_no = 0;
  std::vector<PlacedRect> pieces;
  std::set<int32_t> first_cuts;
};

class TreeBuilder {
 public:
  TreeBuilder(const LineProblem& problem, CuttingTree& tree) : problem_(problem), tree_(tree) {}

  std::string BuildSheet(const SheetLayout& layout, bool last_sheet) {
    const LineSheet& sheet = problem_.sheets[static_cast<size_t>(layout.sheet)];
    layout_no_ = layout.layout_no;
    for (const PlacedRect& p : layout.pieces) {
      if (p.x < 0 || p.y < 0 || int64_t{p.x} + p.w > sheet.width ||
          int64_t{p.y} + p.h > sheet.height) {
        return "Layout " + GeneralText(layout_no_) + " has a piece outside the usable area.";
      }
    }
    first_cuts_ = &layout.first_cuts;
    last_sheet_ = last_sheet;
    const int32_t root = Add(layout.sheet, 0, 0, sheet.width, sheet.height, 0, -1);
    return Build(root, layout.pieces, 0);
  }

 private:
  int32_t Add(int32_t sheet, int32_t x, int32_t y, int32_t w, int32_t h, int32_t depth,
              int32_t parent) {
    CutNode node;
    node.sheet = sheet;
    node.x = x;
    node.y = y;
    node.w = w;
    node.h = h;
    node.depth = depth;
    node.parent = parent;
    tree_.nodes.push_back(std::move(node));
    const auto index = static_cast<int32_t>(tree_.nodes.size() - 1);
    if (parent >= 0) tree_.nodes[static_cast<size_t>(parent)].children.push_back(index);
    return index;
  }

  // The least width of a part without pieces at this depth for it to stand alone.
  int32_t LeastAlone(int32_t depth) const {
    if (depth == 1) return problem_.rules.min_strip_width;
    if (depth == 2) return problem_.rules.min_row_height;
    return 0;
  }

  std::vector<Segment> Cut(const CutNode& node, std::vector<PlacedRect> pieces) const {
    const bool along_x = SplitsAlongX(problem_.rules.first_cut, node.depth);
    const int32_t low = along_x ? node.x : node.y;
    const int32_t high = low + (along_x ? node.w : node.h);
    std::sort(pieces.begin(), pieces.end(), [along_x](const PlacedRect& a, const PlacedRect& b) {
      return Start(a, along_x) < Start(b, along_x);
    });
    std::vector<Segment> segments;
    int32_t edge = low;
    for (size_t i = 0; i < pieces.size();) {
      const int32_t start = Start(pieces[i], along_x);
      if (start > edge) segments.push_back({edge, start, {}});
      Segment group{start, End(pieces[i], along_x), {pieces[i]}};
      ++i;
      while (i < pieces.size() && Start(pieces[i], along_x) < group.end) {
        group.end = std::max(group.end, End(pieces[i], along_x));
        group.pieces.push_back(pieces[i++]);
      }
      edge = group.end;
      segments.push_back(std::move(group));
    }
    if (edge < high) segments.push_back({edge, high, {}});
    // The sheet's strips are those the layout's first cuts show, where it shows any.
    const bool shown_strips = node.depth == 0 && !first_cuts_->empty();
    std::vector<Segment> kept;
    for (Segment& segment : segments) {
      const bool too_narrow =
          segment.pieces.empty() && segment.end - segment.start < LeastAlone(node.depth + 1);
      const bool no_cut_before = shown_strips && first_cuts_->count(segment.start) == 0;
      if (!kept.empty() && (too_narrow || no_cut_before)) {
        kept.back().end = segment.end;
        kept.back().pieces.insert(kept.back().pieces.end(), segment.pieces.begin(),
                                  segment.pieces.end());
      } else {
        kept.push_back(std::move(segment));
      }
    }
    // A first part without pieces too narrow to stand alone goes with the part after it.
    if (kept.size() > 1 && kept.front().pieces.empty() &&
        kept.front().end - kept.front().start < LeastAlone(node.depth + 1)) {
      kept[1].start = kept.front().start;
      kept.erase(kept.begin());
    }
    return kept;
  }

  std::string Build(int32_t index, const std::vector<PlacedRect>& pieces, int idle) {
    const CutNode node = tree_.nodes[static_cast<size_t>(index)];
    CutNode& built = tree_.nodes[static_cast<size_t>(index)];
    if (pieces.empty()) {
      built.type = CutNodeType::kWaste;
      return {};
    }
    const PlacedRect& first = pieces.front();
    if (pieces.size() == 1 && first.x == node.x && first.y == node.y && first.w == node.w &&
        first.h == node.h) {
      built.type = CutNodeType::kPiece;
      built.piece = first.piece;
      return {};
    }
    built.type = CutNodeType::kBranch;
    const std::vector<Segment> segments = Cut(node, pieces);
    if (segments.size() == 1 && idle > 0) {
      return "Layout " + GeneralText(layout_no_) + " has pieces that overlap.";
    }
    const bool along_x = SplitsAlongX(problem_.rules.first_cut, node.depth);
    std::vector<std::pair<int32_t, const Segment*>> children;
    for (const Segment& segment : segments) {
      const int32_t length = segment.end - segment.start;
      const int32_t child =
          along_x ? Add(node.sheet, segment.start, node.y, length, node.h, node.depth + 1, index)
                  : Add(node.sheet, node.x, segment.start, node.w, length, node.depth + 1, index);
      children.emplace_back(child, &segment);
    }
    for (const auto& [child, segment] : children) {
      if (std::string error = Build(child, segment->pieces, segments.size() == 1 ? idle + 1 : 0);
          !error.empty()) {
        return error;
      }
    }
    if (node.depth == 0 && last_sheet_ && KeepsLastLeftover(problem_.rules)) {
      CutNode& last = tree_.nodes[static_cast<size_t>(children.back().first)];
      if (last.type == CutNodeType::kWaste && children.size() > 1) {
        last.type = CutNodeType::kLeftover;
      }
    }
    return {};
  }

  const LineProblem& problem_;
  CuttingTree& tree_;
  int layout_no_ = 0;
  const std::set<int32_t>* first_cuts_ = nullptr;
  bool last_sheet_ = false;
};

// A position in units; one no sheet reaches (or not a number at all, as a damaged file may
// hold) is far outside every sheet.
int32_t Units(double units) {
  constexpr double kFarOutside = 1e9;
  if (!(std::fabs(units) < kFarOutside)) return static_cast<int32_t>(-kFarOutside);
  return static_cast<int32_t>(std::lround(units));
}

class LayoutReader {
 public:
  explicit LayoutReader(const LineJob& line_job) : line_job_(line_job) {
    for (size_t p = 0; p < line_job.pieces.size(); ++p) {
      copies_[line_job.pieces[p].glass_index].push_back(static_cast<int32_t>(p));
    }
  }

  // The layouts of the result, one a sheet copy, in the order they are cut.
  std::string Read(const ElementList& engine_elements, std::vector<SheetLayout>& sheets) {
    std::map<int, size_t> next_sheet_of_stock;
    for (int i = 1; i <= engine_elements.Count();) {
      const LayoutElement& frame = engine_elements[i];
      int end = i + 1;
      while (end <= engine_elements.Count() && engine_elements[end].layout_no == frame.layout_no) {
        ++end;
      }
      if (frame.kind != kStockFrame || !(frame.repeat >= 1) ||
          frame.repeat > static_cast<float>(kMostLineSheets)) {
        return "Layout " + GeneralText(frame.layout_no) + " does not start with its sheet.";
      }
      for (int copy = 0; copy < static_cast<int>(frame.repeat); ++copy) {
        size_t& next = next_sheet_of_stock[frame.stock_index];
        while (next < line_job_.sheets.size() &&
               line_job_.sheets[next].stock_index != frame.stock_index) {
          ++next;
        }
        if (next >= line_job_.sheets.size()) {
          return "Layout " + GeneralText(frame.layout_no) +
                 " takes more sheets of its stock than the job has.";
        }
        SheetLayout layout;
        layout.sheet = static_cast<int32_t>(next++);
        layout.layout_no = frame.layout_no;
        if (std::string error = ReadLayout(engine_elements, i + 1, end, layout); !error.empty()) {
          return error;
        }
        sheets.push_back(std::move(layout));
      }
      i = end;
    }
    return {};
  }

  // Gives each piece node a copy of its glass row, in the order the pieces leave the table.
  std::string AssignCopies(CuttingTree& tree) {
    std::map<int, size_t> used;
    for (const int32_t index : NodesInCuttingOrder(tree)) {
      CutNode& node = tree.nodes[static_cast<size_t>(index)];
      if (node.type != CutNodeType::kPiece) continue;
      const int g = line_job_.pieces[static_cast<size_t>(node.piece)].glass_index;
      const std::vector<int32_t>& copies = copies_[g];
      size_t& next = used[g];
      if (next >= copies.size()) {
        return "The result places more pieces of glass row " +
               GeneralText(line_job_.pieces[static_cast<size_t>(node.piece)].grid_row) +
               " than the job wants.";
      }
      node.piece = copies[next++];
    }
    return {};
  }

 private:
  std::string ReadLayout(const ElementList& elements, int first, int end, SheetLayout& layout) {
    const LineJobSheet& sheet = line_job_.sheets[static_cast<size_t>(layout.sheet)];
    const StockRecord& stock = line_job_.prepared.stocks[sheet.stock_index];
    const LineSheet& line_sheet = line_job_.problem.sheets[static_cast<size_t>(layout.sheet)];
    const double unit = line_job_.unit_mm;
    const double bottom = static_cast<double>(stock.l2) - stock.m_r;
    const auto along_x = [&](double engine_y) { return Units((engine_y - stock.m_t) / unit); };
    const auto along_y = [&](double engine_x) {
      return std::min(Units((bottom - engine_x) / unit), line_sheet.height);
    };
    const bool strips_along_x = SplitsAlongX(line_job_.problem.rules.first_cut, 0);
    for (int i = first; i < end; ++i) {
      const LayoutElement& e = elements[i];
      if (e.kind == kFullCut) {
        layout.first_cuts.insert(strips_along_x ? along_x(e.y1) : along_y(e.x1));
        continue;
      }
      if (e.kind <= 0) continue;
      const auto copies = copies_.find(e.kind);
      if (copies == copies_.end() || copies->second.empty()) {
        return "Layout " + GeneralText(layout.layout_no) + " holds a glass size the job has not.";
      }
      const int32_t piece = copies->second.front();
      const LinePiece& line_piece = line_job_.problem.pieces[static_cast<size_t>(piece)];
      const GlassRecord& glass = line_job_.prepared.glasses[e.kind];
      const bool as_listed = OrnAllows(glass.orn, 1) == (e.orientation == 1);
      PlacedRect rect;
      rect.piece = piece;
      rect.w = as_listed ? line_piece.width : line_piece.height;
      rect.h = as_listed ? line_piece.height : line_piece.width;
      rect.x = along_x(e.y1);
      rect.y = along_y(e.x1) - rect.h;
      layout.pieces.push_back(rect);
    }
    return {};
  }

  const LineJob& line_job_;
  std::map<int, std::vector<int32_t>> copies_;
};

}  // namespace

LineTreeRecovered RecoverLineTree(const LineJob& line_job, const ElementList& dia) {
  LineTreeRecovered recovered;
  ElementList elements = dia;
  TransposeElements(elements);
  LayoutReader reader(line_job);
  std::vector<SheetLayout> sheets;
  if (std::string error = reader.Read(elements, sheets); !error.empty()) {
    recovered.error = std::move(error);
    return recovered;
  }
  CuttingTree tree;
  TreeBuilder builder(line_job.problem, tree);
  for (size_t k = 0; k < sheets.size(); ++k) {
    if (std::string error = builder.BuildSheet(sheets[k], k + 1 == sheets.size()); !error.empty()) {
      recovered.error = std::move(error);
      return recovered;
    }
  }
  if (std::string error = reader.AssignCopies(tree); !error.empty()) {
    recovered.error = std::move(error);
    return recovered;
  }
  recovered.tree = std::move(tree);
  return recovered;
}

}  // namespace lumora
