#ifndef LUMORA_CORE_JOB_LINE_TABLE_H_
#define LUMORA_CORE_JOB_LINE_TABLE_H_

#include <string>
#include <string_view>

#include "core/job/job_line.h"
#include "core/tables/grid.h"

// The job's line data as the job file keeps it, in the working table line.tlf: one record a
// line in the quoted fields of every table file, its first field naming what it holds:
//
//   "CUTTING LINE","3 TRIM","VERTICAL","100","3500","100","20","0","-1"
//       stages ("2", "3", "3 TRIM", "ANY"), first cut ("VERTICAL", "HORIZONTAL"), strip width
//       least and most, row height least, waste width least (millimetres, "0" no limit), cuts
//       through flaws, sheets in order (-1 yes, 0 no)
//   "FLAW","2","1","120.5","300","20","15"
//       stock row, its sheet, X, Y, width, height (millimetres from the lower-left corner)
//   "STACK","5","R12","3"
//       glass row, stack, sequence ("0" none)
//
// Rows are numbered as the stored sheet and cut tables number their records, so a row that is
// not stored takes its flaws and stack with it.
namespace lumora {

// The words the line table writes for the stages and the first cut ("3 TRIM", "VERTICAL").
std::string StagesWord(LineStages stages);
std::string FirstCutWord(FirstCut first_cut);

// The line table of the job: empty when the job knows nothing of the line.
std::string LineTableBytes(const JobLine& line, const Grid& sheet, const Grid& glass);

struct LineTableRead {
  JobLine line;
  // Lines that named no row the grids hold, held a value out of range, repeated what an
  // earlier line gave, or were not understood at all: each is left out and counted here.
  int lines_left_out = 0;
};

// Reads any bytes as a line table against the grids just loaded from the same job file.
LineTableRead ReadLineTable(std::string_view bytes, const Grid& sheet, const Grid& glass);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_LINE_TABLE_H_
