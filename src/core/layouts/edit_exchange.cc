#include "core/layouts/edit_exchange.h"

#include "core/base/field_reader.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/base/version.h"

namespace lumora {
namespace {

const StockRecord* StockOfElement(const LoadedResult& result, int element) {
  if (!result.elements.Contains(element)) return nullptr;
  const int stock = result.StockIndexOf(result.elements[element]);
  return result.stocks.Contains(stock) ? &result.stocks[stock] : nullptr;
}

EditRow OnStockOf(const LoadedResult& result, int element, EditRow row) {
  if (const StockRecord* stock = StockOfElement(result, element)) {
    row.length = stock->l1;
    row.width = stock->l2;
  }
  return row;
}

// Places a text at a 1-based column. A line already past the column gets one blank instead of
// a new line: every entry of the list must stay on its own line.
void PlaceAt(std::string& line, size_t column, std::string_view text) {
  if (line.size() + 1 < column) {
    line.append(column - 1 - line.size(), ' ');
  } else if (line.size() + 1 > column) {
    line += ' ';
  }
  for (const char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
}

}  // namespace

EditRow EditRowOf(const LoadedResult& result, int element) {
  if (!result.elements.Contains(element)) return {};
  const LayoutElement& e = result.elements[element];
  const float kerf = result.basic.kerf;
  return OnStockOf(result, element,
                   EditRow{.xs = e.x1,
                           .ys = e.y1,
                           .dim_x = e.x2 - e.x1 - kerf,
                           .dim_y = e.y2 - e.y1 - kerf,
                           .orn = static_cast<float>(e.orientation)});
}

EditRow NewBalanceRow(const LoadedResult& result, int first) {
  return OnStockOf(result, first, EditRow{});
}

EditRow NewGlassPieceRow(const LoadedResult& result, int first, int glass) {
  if (!result.glasses.Contains(glass)) return NewBalanceRow(result, first);
  const GlassRecord& g = result.glasses[glass];
  const float orn = g.orn == Orn::kL1AlongX ? 2.0f : 1.0f;
  return OnStockOf(result, first, EditRow{.dim_x = g.l1, .dim_y = g.l2, .orn = orn});
}

std::string EditRowBytes(const EditRow& row) {
  std::string bytes;
  for (const float value : {row.xs, row.ys, row.dim_x, row.dim_y, row.orn, row.length, row.width}) {
    if (!bytes.empty()) bytes += ',';
    bytes += GeneralText(value);
  }
  return bytes + "\r\n";
}

std::optional<std::string> WriteEditRow(const std::string& path, const EditRow& row) {
  DeleteFiles(path);
  return WriteFileAtomically(path, EditRowBytes(row));
}

EditValues ReadEditValues(std::string_view bytes) {
  FieldReader reader(bytes);
  EditValues values;
  for (float* value : {&values.xs, &values.ys, &values.dim_x, &values.dim_y, &values.orn}) {
    *value = ReadFloat(reader.Next());
  }
  return values;
}

std::string AddNewListBytes(const GlassList& glasses) {
  std::string bytes = "Balance\r\n";
  for (const GlassRecord& g : glasses) {
    std::string line = "Glass-Piece ";
    PlaceAt(line, 13, GeneralText(g.l1));
    PlaceAt(line, 21, " X ");
    PlaceAt(line, 24, GeneralText(g.l2));
    PlaceAt(line, 33, g.customer);
    PlaceAt(line, 46, g.sr_no);
    bytes += line + "\r\n";
  }
  return bytes;
}

std::vector<std::string> AddNewLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

std::optional<int> AddNewChoice(int selected_line, Prompter& prompter) {
  if (selected_line >= 0) return selected_line;
  prompter.Ask({.title = kApplicationTitle,
                .text = std::string(kNothingSelectedMessage),
                .icon = PromptIcon::kInformation});
  return std::nullopt;
}

}  // namespace lumora
