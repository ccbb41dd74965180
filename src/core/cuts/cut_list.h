#ifndef LUMORA_CORE_CUTS_CUT_LIST_H_
#define LUMORA_CORE_CUTS_CUT_LIST_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/cuts/cut_order.h"
#include "core/layouts/loaded_result.h"

// The cut order of a whole result, and its texts for the screen, paper and the command line.
namespace lumora {

struct ResultCuts {
  // Layout n at index n - 1.
  std::vector<LayoutCuts> layouts;
  // Over every sheet: a layout's cuts count once per sheet cut to it.
  double cut_count = 0;
  double total_length = 0;
};

ResultCuts CutOrderOfResult(const LoadedResult& result);

// The cut list of one layout as lines of text, lengths in the unit ("MM" or "IN"): a heading,
// one line per cut, the totals, and why a layout cannot be cut when it is not guillotine.
std::vector<std::string> CutListLines(const LayoutCuts& cuts, std::string_view unit);

// The totals of the job in the unit, one line.
std::string ResultCutsLine(const ResultCuts& cuts, std::string_view unit);

// One CSV line per cut of layout n, lengths in millimetres; CutCsvHeader names the columns.
std::string_view CutCsvHeader();
std::string CutCsvLines(const LayoutCuts& cuts, int layout_no);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_CUT_LIST_H_
