#ifndef LUMORA_CORE_CUTS_CUT_LIST_H_
#define LUMORA_CORE_CUTS_CUT_LIST_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/cuts/cut_order.h"
#include "core/layouts/loaded_result.h"

// The cut order of a whole result, and its texts for the screen, paper and the command line.
namespace lumora {

struct ResultCuts {
  // Layout n at index n - 1.
  std::vector<LayoutCuts> layouts;
  // The sheets (pieces of coil) cut to layout n, at index n - 1.
  std::vector<float> sheets;
  // In coil mode the coil length layout n uses, at index n - 1; empty for sheets.
  std::vector<float> coil_lengths;
  // Over every sheet: a layout's cuts count once per sheet cut to it.
  double cut_count = 0;
  double total_length = 0;
  // In coil mode the coil length of every layout times its pieces of coil.
  double coil_used = 0;
};

// The sequence a result's layouts are cut in: part by part for a job that knows its line.
CutSequence SequenceOf(const LoadedResult& result);

// The cut order of layout n of the result, in the sequence its job is cut in; on a coil,
// starting with the cut that parts the length it uses from the roll.
LayoutCuts LayoutCutOrder(const LoadedResult& result, int layout_no);

ResultCuts CutOrderOfResult(const LoadedResult& result);

// The cut list of one layout as lines of text, lengths in the unit: a heading,
// one line per cut, the totals, and why a layout cannot be cut when it is not guillotine.
std::vector<std::string> CutListLines(const LayoutCuts& cuts, Unit unit);

// CutListLines of layout n of the result; none for a layout the result lacks.
std::vector<std::string> LayoutCutList(const LoadedResult& result, int layout_no, Unit unit);

// The totals of the job in the unit, one line; on a coil with the coil length used.
std::string ResultCutsLine(const ResultCuts& cuts, Unit unit);

// The cut lists of every layout (or of layout `only` when it is not 0), each under the line
// "Layout n / N: s sheet(s)" (on a coil "Layout n / N: <length> of coil", with "s x " before
// the length when s pieces of coil are cut to it), then the job's totals; lines end in LF.
std::string CutsText(const ResultCuts& cuts, int only, Unit unit);
// The same as CSV: a header, then one line per cut with the lengths in millimetres.
std::string CutsCsv(const ResultCuts& cuts, int only);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_CUT_LIST_H_
