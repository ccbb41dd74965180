#ifndef LUMORA_CORE_ENGINE2D_RESULT_FILES_H_
#define LUMORA_CORE_ENGINE2D_RESULT_FILES_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/engine2d/engine_records.h"

// The layout result file and its companions: one record per line, comma-separated, floats in
// their general text, texts quoted, CR LF line ends, no header. Readers take fields by
// position across line ends, accept any bytes, and say what was wrong instead of failing.
namespace lumora {

// Working-file names, put behind the start stamp by Workspace::WorkingFile.
inline constexpr std::string_view kLayoutFileName = "dia.tlf";
inline constexpr std::string_view kLayoutBackupFileName = "diaalt.tlf";
inline constexpr std::string_view kStockInputFileName = "s.tlf";
inline constexpr std::string_view kGlassInputFileName = "c.tlf";

// Between engine coordinates (X along a stock's L2) and file coordinates (X along L1): swaps X
// with Y and orientation 1 with 2. Applying it twice gives the list back.
void TransposeElements(ElementList& elements);

// The bytes of a layout file (dia.tlf or diaalt.tlf): the nine fields of every element.
std::string LayoutFileBytes(const ElementList& elements);
// Replaces the file atomically; the reason on failure.
std::optional<std::string> WriteLayoutFile(const std::string& path, const ElementList& elements);

// The records of a file and the first thing found wrong with it (empty when sound). A record
// cut short at the end is left out; a field that is not a number reads by the leading-number
// rule (text without one reads 0).
struct LayoutFileRead {
  ElementList elements;
  std::string damage;
};
struct StockInputRead {
  StockList stocks;
  std::string damage;
};
struct GlassInputRead {
  GlassList glasses;
  std::string damage;
};

LayoutFileRead ReadLayoutBytes(std::string_view bytes);
// A missing file reads as an empty list.
LayoutFileRead ReadLayoutFile(const std::string& path);

// What in a layout list points outside the stock and glass lists it is read against (a stock
// index, or a piece's glass index), or a kind or orientation no layout holds; empty when
// nothing does.
std::string FindIndexDamage(const ElementList& elements, int stock_count, int glass_count);

// s.tlf and c.tlf: every record in list order, quantity 0 included, sizes as the list holds
// them. A double quote cannot be stored inside a quoted text and is left out.
std::string StockInputBytes(const StockList& stocks);
std::string GlassInputBytes(const GlassList& glasses);

// The sizes read count as the sizes as read (what RemoveKerf restores).
StockInputRead ReadStockInputBytes(std::string_view bytes);
GlassInputRead ReadGlassInputBytes(std::string_view bytes);
StockInputRead ReadStockInput(const std::string& path);
GlassInputRead ReadGlassInput(const std::string& path);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_RESULT_FILES_H_
