#include "core/engine2d/line_job.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/base/number_text.h"
#include "core/engine2d/element_append.h"
#include "core/engine2d/result_files.h"
#include "core/engine2d/unit_grid.h"
#include "core/job/job_line.h"

namespace lumora {
namespace {

// A rectangle in millimetres from the lower-left corner of a sheet's usable area.
struct MmRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

// The usable area of a stock with the kerf added: along L1 (the line's X, the layouts' X) and
// along L2.
double UsableWidth(const StockRecord& s) { return static_cast<double>(s.l1) - s.m_t - s.m_b; }
double UsableHeight(const StockRecord& s) { return static_cast<double>(s.l2) - s.m_l - s.m_r; }

// The layouts draw X along L1 with M(T) before it and M(B) after it, and Y downwards along L2
// from M(L) to M(R); the kerf lies after the glass in both. So the sheet's lower-left corner
// is the usable area's lower-left corner moved by M(T) and by M(R) less the kerf.
std::optional<MmRect> FlawOnUsableArea(const SheetFlaw& flaw, const StockRecord& s) {
  const double x = flaw.x - s.m_t;
  const double y = flaw.y + (static_cast<double>(s.l2) - s.l2_as_read) - s.m_r;
  const double left = std::max(x, 0.0);
  const double bottom = std::max(y, 0.0);
  const double right = std::min(x + flaw.width, UsableWidth(s));
  const double top = std::min(y + flaw.height, UsableHeight(s));
  if (left > right || bottom > top) return std::nullopt;
  return MmRect{left, bottom, right - left, top - bottom};
}

// What a piece is in millimetres before the unit grid is known.
struct MmPiece {
  double width = 0;
  double height = 0;
  bool may_turn = false;
  int32_t stack = kNoStack;
  int order = 0;  // the row's sequence number in its stack, 0 for none
};

// Numbers the pieces of each stack in the order they leave the table: by their rows' sequence
// numbers, rows without one after those, and otherwise in list order.
void NumberStacks(std::vector<LinePiece>& pieces, const std::vector<MmPiece>& given) {
  std::map<int32_t, std::vector<size_t>> stacks;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].stack != kNoStack) stacks[pieces[i].stack].push_back(i);
  }
  for (auto& [stack, members] : stacks) {
    const auto key = [&given](size_t i) {
      return given[i].order > 0 ? given[i].order : kMostLineNumber + 1;
    };
    std::stable_sort(members.begin(), members.end(),
                     [&key](size_t a, size_t b) { return key(a) < key(b); });
    for (size_t k = 0; k < members.size(); ++k) {
      pieces[members[k]].sequence = static_cast<int32_t>(k + 1);
    }
  }
}

CuttingLineRules RulesInUnits(const CuttingLineSettings& settings, float kerf, float b_mm,
                              double unit) {
  CuttingLineRules rules;
  rules.stages = settings.stages;
  rules.first_cut = settings.first_cut;
  rules.min_strip_width = UnitsUp(static_cast<double>(settings.min_strip_width) + kerf, unit);
  if (settings.max_strip_width > 0) {
    rules.max_strip_width = UnitsDown(static_cast<double>(settings.max_strip_width) + kerf, unit);
  }
  rules.min_row_height = UnitsUp(static_cast<double>(settings.min_row_height) + kerf, unit);
  rules.min_waste = UnitsUp(
      std::max(static_cast<double>(settings.min_waste) + kerf, static_cast<double>(b_mm)), unit);
  rules.cuts_through_flaws = settings.cuts_through_flaws;
  rules.sheets_in_order = settings.sheets_in_order;
  return rules;
}

// Builds the line job in millimetres first, since the unit grid depends on every length.
class LineJobBuilder {
 public:
  LineJobBuilder(const EngineJob& job, const JobLine& line) : job_(job), line_(line) {}

  LineJobMade Build() {
    LineJobMade made;
    EngineInput& prepared = result_.prepared;
    prepared = PrepareEngineInput(job_);
    AddKerf(prepared.stocks, prepared.glasses, prepared.basic.kerf);
    SortByArea(prepared.stocks, prepared.glasses);
    settings_ = line_.settings().value_or(CuttingLineSettings{});
    AddSheets();
    if (const std::string error = AddPieces(); !error.empty()) {
      made.error = error;
    } else if (result_.sheets.empty()) {
      made.error = "The stock list holds no sheet the cutting line can cut.";
    } else if (result_.pieces.empty()) {
      made.error = "The glass list holds no piece to cut.";
    } else {
      ToUnits();
      made.line_job = std::move(result_);
    }
    return made;
  }

 private:
  void AddSheets() {
    const EngineInput& prepared = result_.prepared;
    const std::vector<int> stock_of_row = StockIndexOfRows(prepared.stocks, job_.sheet);
    for (int row = 1; row < job_.sheet.Rows() - 1; ++row) {
      const int s = stock_of_row[static_cast<size_t>(row)];
      if (s == 0) continue;
      const StockRecord& stock = prepared.stocks[s];
      lengths_.push_back(UsableWidth(stock));
      lengths_.push_back(UsableHeight(stock));
      const int quantity = RowQuantity(job_.sheet, row);
      std::vector<std::vector<MmRect>> of_sheet(static_cast<size_t>(quantity));
      for (const SheetFlaw& flaw : line_.Flaws(job_.sheet.RowIdOf(row))) {
        if (flaw.sheet > quantity || flaw.x > stock.l1_as_read || flaw.y > stock.l2_as_read) {
          ++result_.flaws_left_out;
          continue;
        }
        if (const std::optional<MmRect> rect = FlawOnUsableArea(flaw, stock)) {
          lengths_.insert(lengths_.end(), {rect->x, rect->y, rect->width, rect->height});
          of_sheet[static_cast<size_t>(flaw.sheet - 1)].push_back(*rect);
        }
      }
      const int room = static_cast<int>(kMostLineSheets - result_.sheets.size());
      const int taken = std::min(quantity, room);
      result_.sheets_left_out += quantity - taken;
      for (int number = 1; number <= taken; ++number) {
        result_.sheets.push_back({s, row, number});
        sheet_flaws_.push_back(std::move(of_sheet[static_cast<size_t>(number - 1)]));
      }
    }
  }

  std::string AddPieces() {
    const EngineInput& prepared = result_.prepared;
    const std::vector<int> glass_of_row = GlassIndexOfRows(prepared.glasses, job_.glass);
    std::map<std::string, int32_t> stack_numbers;
    for (int row = 1; row < job_.glass.Rows() - 1; ++row) {
      const int g = glass_of_row[static_cast<size_t>(row)];
      if (g == 0) continue;
      const GlassRecord& glass = prepared.glasses[g];
      const bool l1_across = OrnAllows(glass.orn, 1);
      const bool l2_across = OrnAllows(glass.orn, 2);
      if (!l1_across && !l2_across) {
        return "Glass row " + GeneralText(row) + ": its ORN allows no orientation.";
      }
      const int quantity = RowQuantity(job_.glass, row);
      if (result_.pieces.size() + static_cast<size_t>(quantity) > kMostLinePieces) {
        return "The glass list holds more than " + GeneralText(static_cast<int>(kMostLinePieces)) +
               " pieces, more than the cutting line plans at once.";
      }
      lengths_.push_back(glass.l1);
      lengths_.push_back(glass.l2);
      // Engine orientation 1 lays L1 along the layouts' X, which is the line's X.
      MmPiece piece;
      piece.width = l1_across ? glass.l1 : glass.l2;
      piece.height = l1_across ? glass.l2 : glass.l1;
      piece.may_turn = l1_across && l2_across;
      if (const std::optional<GlassStack> stack = line_.Stack(job_.glass.RowIdOf(row))) {
        const auto numbered =
            stack_numbers.try_emplace(stack->name, static_cast<int32_t>(stack_numbers.size()));
        piece.stack = numbered.first->second;
        piece.order = stack->sequence;
      }
      for (int copy = 0; copy < quantity; ++copy) {
        result_.pieces.push_back({g, row});
        pieces_.push_back(piece);
      }
    }
    return {};
  }

  void ToUnits() {
    const float kerf = result_.prepared.basic.kerf;
    const float b_mm = result_.prepared.basic.b_mm;
    lengths_.insert(lengths_.end(), {static_cast<double>(settings_.min_strip_width) + kerf,
                                     static_cast<double>(settings_.max_strip_width) + kerf,
                                     static_cast<double>(settings_.min_row_height) + kerf,
                                     std::max(static_cast<double>(settings_.min_waste) + kerf,
                                              static_cast<double>(b_mm))});
    result_.unit_mm = 1.0 / WholeScale(lengths_).value_or(100);
    const double unit = result_.unit_mm;
    LineProblem& problem = result_.problem;
    problem.rules = RulesInUnits(settings_, kerf, b_mm, unit);
    for (size_t i = 0; i < result_.sheets.size(); ++i) {
      const StockRecord& stock = result_.prepared.stocks[result_.sheets[i].stock_index];
      LineSheet sheet;
      sheet.width = UnitsDown(UsableWidth(stock), unit);
      sheet.height = UnitsDown(UsableHeight(stock), unit);
      for (const MmRect& rect : sheet_flaws_[i]) {
        const int32_t left = UnitsDown(rect.x, unit);
        const int32_t bottom = UnitsDown(rect.y, unit);
        const int32_t right = std::min(UnitsUp(rect.x + rect.width, unit), sheet.width);
        const int32_t top = std::min(UnitsUp(rect.y + rect.height, unit), sheet.height);
        sheet.flaws.push_back({left, bottom, std::max(right - left, 0), std::max(top - bottom, 0)});
      }
      problem.sheets.push_back(std::move(sheet));
    }
    for (size_t i = 0; i < pieces_.size(); ++i) {
      LinePiece piece;
      piece.id = result_.pieces[i].grid_row;
      piece.width = UnitsUp(pieces_[i].width, unit);
      piece.height = UnitsUp(pieces_[i].height, unit);
      piece.may_turn = pieces_[i].may_turn;
      piece.stack = pieces_[i].stack;
      problem.pieces.push_back(piece);
    }
    NumberStacks(problem.pieces, pieces_);
  }

  const EngineJob& job_;
  const JobLine& line_;
  CuttingLineSettings settings_;
  LineJob result_;
  std::vector<double> lengths_;
  std::vector<std::vector<MmRect>> sheet_flaws_;
  std::vector<MmPiece> pieces_;
};

// Where the line's units fall on a sheet's layout, in millimetres of the layouts' coordinates.
class SheetPlacement {
 public:
  SheetPlacement(const StockRecord& stock, const LineSheet& sheet, double unit)
      : stock_(stock), sheet_(sheet), unit_(unit) {}

  // The layouts' X of a line X; the last unit reaches the usable area's edge, which the grid
  // rounded down.
  float X(int32_t x) const {
    const double right = static_cast<double>(stock_.l1) - stock_.m_b;
    if (x >= sheet_.width) return static_cast<float>(right);
    return static_cast<float>(std::min(stock_.m_t + x * unit_, right));
  }
  // The layouts' Y (downwards) of a line Y (upwards).
  float Y(int32_t y) const {
    const double bottom = static_cast<double>(stock_.l2) - stock_.m_r;
    if (y >= sheet_.height) return stock_.m_l;
    return static_cast<float>(std::max(bottom - y * unit_, static_cast<double>(stock_.m_l)));
  }

 private:
  const StockRecord& stock_;
  const LineSheet& sheet_;
  double unit_;
};

// The elements of one sheet's plan in engine coordinates (X along L2, Y along L1).
void AppendSheetElements(const LineJob& line_job, const CuttingTree& tree, int32_t root,
                         ElementList& elements) {
  const CutNode& sheet_node = tree.nodes[static_cast<size_t>(root)];
  const LineJobSheet& sheet = line_job.sheets[static_cast<size_t>(sheet_node.sheet)];
  const StockRecord& stock = line_job.prepared.stocks[sheet.stock_index];
  const LineSheet& line_sheet = line_job.problem.sheets[static_cast<size_t>(sheet_node.sheet)];
  const SheetPlacement at(stock, line_sheet, line_job.unit_mm);
  const int s = sheet.stock_index;
  AppendFrameAndMargins(elements, s, stock);

  std::vector<const CutNode*> leaves;
  std::vector<int32_t> pending = {root};
  std::vector<bool> seen(tree.nodes.size(), false);
  while (!pending.empty()) {
    const int32_t index = pending.back();
    pending.pop_back();
    if (index < 0 || index >= static_cast<int32_t>(tree.nodes.size()) || seen[index]) continue;
    seen[static_cast<size_t>(index)] = true;
    const CutNode& node = tree.nodes[static_cast<size_t>(index)];
    if (node.children.empty()) leaves.push_back(&node);
    pending.insert(pending.end(), node.children.rbegin(), node.children.rend());
  }
  for (const CutNode* node : leaves) {
    const bool piece = node->type == CutNodeType::kPiece && node->piece >= 0 &&
                       node->piece < static_cast<int32_t>(line_job.pieces.size());
    if (!piece) continue;
    const LinePiece& line_piece = line_job.problem.pieces[static_cast<size_t>(node->piece)];
    const int g = line_job.pieces[static_cast<size_t>(node->piece)].glass_index;
    const GlassRecord& glass = line_job.prepared.glasses[g];
    const bool as_listed = node->w == line_piece.width && node->h == line_piece.height;
    const bool l1_across = OrnAllows(glass.orn, 1) == as_listed;
    const int orientation = l1_across ? 1 : 2;
    const float x1 = at.Y(node->y + node->h);
    const float y1 = at.X(node->x);
    AppendElement(elements, g, s, x1, y1, x1 + (l1_across ? glass.l2 : glass.l1),
                  y1 + (l1_across ? glass.l1 : glass.l2));
    elements.Back().orientation = orientation;
  }
  for (const CutNode* node : leaves) {
    if (node->type == CutNodeType::kPiece || node->w <= 0 || node->h <= 0) continue;
    AppendElement(elements, kFreeRect, s, at.Y(node->y + node->h), at.X(node->x), at.Y(node->y),
                  at.X(node->x + node->w));
  }
  const bool strips_along_x = SplitsAlongX(line_job.problem.rules.first_cut, 0);
  for (size_t k = 1; k < sheet_node.children.size(); ++k) {
    const int32_t child = sheet_node.children[k];
    if (child < 0 || child >= static_cast<int32_t>(tree.nodes.size())) continue;
    const CutNode& strip = tree.nodes[static_cast<size_t>(child)];
    if (strips_along_x) {
      AppendElement(elements, kFullCut, s, 0, at.X(strip.x), stock.l2, at.X(strip.x));
    } else {
      AppendElement(elements, kFullCut, s, at.Y(strip.y), 0, at.Y(strip.y), stock.l1);
    }
  }
}

}  // namespace

bool HasLineData(const EngineJob& job) {
  return job.line != nullptr && job.line->Any(job.sheet, job.glass);
}

LineJobMade MakeLineJob(const EngineJob& job) {
  if (job.coil_mode) return {std::nullopt, "The cutting line cuts sheets, not coils."};
  static const JobLine kNoLine;
  return LineJobBuilder(job, job.line ? *job.line : kNoLine).Build();
}

ElementList LineTreeElements(const LineJob& line_job, const CuttingTree& tree) {
  ElementList elements;
  int layout_no = 0;
  for (const int32_t root : TreeSheets(tree)) {
    const int32_t sheet = tree.nodes[static_cast<size_t>(root)].sheet;
    if (sheet < 0 || sheet >= static_cast<int32_t>(line_job.sheets.size())) continue;
    const int first = elements.Count() + 1;
    AppendSheetElements(line_job, tree, root, elements);
    ++layout_no;
    for (int i = first; i <= elements.Count(); ++i) {
      elements[i].layout_no = layout_no;
      elements[i].repeat = 1;
    }
  }
  TransposeElements(elements);
  return elements;
}

}  // namespace lumora
