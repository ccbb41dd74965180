#ifndef LUMORA_CORE_JOB_JOB_FILE_H_
#define LUMORA_CORE_JOB_JOB_FILE_H_

#include <string>

#include "core/base/prompter.h"
#include "core/job/job.h"

// Opening and saving a job file: the working tables basic, options, sheet, cut and dia, and recut
// once pieces were cut again and line when the job knows its cutting line, each wrapped in a
// section (see job_sections.h).
namespace lumora {

// Cuts the job file into the working tables and loads the job grids from them (Basic Details
// keeps one row) and its line data (lines of it that cannot be read are left out and counted in a
// notice). A file from an earlier version, whose "T (MM)" holds a unit, gets "0" there, loses its
// layouts and is announced. Then the Optimize check marks come from the options line (an empty
// options section leaves them), misc.set feeds the unit, efficiency and move settings, and the unit
// decides the current column of the Sheet and Glass grids. Answers false, changing nothing, when
// the file cannot be read (told as "Could not open <file>: <reason>") or the working tables cannot
// all be replaced (told as "Could not save <file>: <reason>"). A job file that ends early leaves
// the remaining tables empty.
bool OpenJob(Job& job, const std::string& file_name, Prompter& prompter);

// Stores the job grids and the options line into their working tables and writes the job file
// (with the working dia.tlf as its layouts, empty when there is none) by replacing it
// atomically. The "Defaults" job of the data folder gets empty stock and glass sections, keeps of
// the line data only the cutting line's settings, and empties the working sheet and cut tables. Any
// file that cannot be written is told as "Could not save <file>: <reason>"; the answer is whether
// the job file itself was written, and a failed write leaves the earlier file as it was.
bool SaveJob(Job& job, const std::string& file_name, Prompter& prompter);

// Whether a file name names the "Defaults" job of the workspace's data folder.
bool IsDefaultsFile(const Job& job, const std::string& file_name);

// Whether a Basic Details "T (MM)" cell marks a job file of an earlier version, which kept the
// unit there.
bool IsEarlierVersionTolerance(const std::string& tolerance_cell);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_JOB_FILE_H_
