#ifndef LUMORA_CORE_LIBRARY_RECUT_JOB_H_
#define LUMORA_CORE_LIBRARY_RECUT_JOB_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/job/job.h"
#include "core/layouts/loaded_result.h"

// A recut after breakage: a new job of the pieces that broke, to be cut again at once, from the
// material library's leftovers where they fit.
namespace lumora {

// A piece of a result: its layout and its number among the layout's pieces in element order,
// as labels and the Layouts window name it.
struct PiecePlace {
  int layout_no = 0;
  int position = 0;

  bool operator==(const PiecePlace&) const = default;
};

// "LAYOUT:POS,LAYOUT:POS,..." as a list, or nullopt with the error naming what is wrong; a piece
// named twice broke twice (on two sheets of its layout).
std::optional<std::vector<PiecePlace>> ParsePiecePlaces(std::string_view text, std::string& error);

// Every piece of a result to choose the broken ones from, layout by layout in element order:
// "Layout 3  Pos 2  1855 x 1295  CITY DOORS  SR.NO 1", the size in the unit.
struct PieceChoice {
  PiecePlace place;
  std::string text;
};
std::vector<PieceChoice> PieceChoices(const LoadedResult& result, Unit unit);
// The place of the piece at element i of the shown result; layout 0 when i is no piece.
PiecePlace PlaceOfElement(const LoadedResult& result, int element);

struct RecutJob {
  std::string bytes;  // the job file
  int pieces = 0;
  int leftover_rows = 0;  // stock rows from the library's leftovers, before the job's own
  int sheet_rows = 0;
  std::string error;
};

// The recut job: the original Basic Details with NOTE "Recut of <title>", a glass row per broken
// glass size (its sizes, ORN, customer, SR.NO and every other text as the original job has them,
// QTY the pieces that broke), the stock rows of the library's leftovers of the item, grade and
// thickness that are in stock (register_bytes tells which are leftovers), then the job's own
// stock rows that are no leftovers, and the original's objective. A place the result does not
// have is an error.
RecutJob MakeRecutJob(const Job& original, const LoadedResult& result,
                      const std::vector<PiecePlace>& broken, std::string_view library_bytes,
                      std::string_view register_bytes, std::string_view title);

// The same with the data folder's mlm.dat and leftovers.dat.
RecutJob MakeWorkspaceRecutJob(const Job& original, const LoadedResult& result,
                               const std::vector<PiecePlace>& broken, std::string_view title);

// The lines the original job keeps of the pieces that were recut, in its working recut.tlf:
// LAYOUT, POS, SR.NO, CUSTOMER, L1 (MM), L2 (MM) and the recut job's file name.
std::string RecutRecords(const LoadedResult& result, const std::vector<PiecePlace>& broken,
                         std::string_view recut_file);

// Adds the records to the job's working recut.tlf, which the job file keeps. Returns
// SaveFailureText when it could not be written.
std::optional<std::string> RecordRecut(const Job& job, std::string_view records);

// "<stem>-recut.opt" (".sdr" in coil mode) beside the job file, or in the data folder for a job
// without a file; a number is added until the name is free.
std::string RecutFileName(const Job& job);

}  // namespace lumora

#endif  // LUMORA_CORE_LIBRARY_RECUT_JOB_H_
