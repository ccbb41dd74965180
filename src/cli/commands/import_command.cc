#include <filesystem>
#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/delimited_text.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/engine2d/challenge_instance.h"
#include "core/engine2d/challenge_job.h"
#include "core/job/job_file.h"
#include "core/job/job_tables.h"
#include "core/job/list_import_run.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"--glass", "FILE",
     "The glass list to import: comma, semicolon or tab separated text; a STACK and a SEQUENCE\n"
     "      column put its rows into stacks for the cutting line."},
    {"--stock", "FILE", "The stock list to import into the Sheet (Coil) Specifications."},
    {"--flaws", "FILE",
     "A list of flaws (X, Y, WIDTH, HEIGHT from the sheet's lower-left corner, SHEET, and ROW\n"
     "      of the stock list, else sheets counted through it) to put on the sheets."},
    {"--challenge", "PREFIX",
     "Makes JOB a new job of a 2018 ROADEF/EURO challenge instance: PREFIX_batch.csv,\n"
     "      PREFIX_defects.csv and the global_param.csv beside them."},
    {"--map", "MAP", "Columns of the glass list by hand: L1=Width,L2=Height,QTY=3 ..."},
    {"--stock-map", "MAP", "Columns of the stock list by hand, as --map."},
    {"--flaw-map", "MAP", "Columns of the flaw list by hand, as --map."},
    {"--unit", "MM|IN", "The unit of the lists' lengths (default: their headers, else the job's)."},
    {"--replace", "",
     "Replaces the rows of the grids (the flaws of the stock) instead of adding to them;\n"
     "      with --challenge, writes over a JOB that exists."},
    {"--strict", "", "Refuses lines that do not fit instead of leaving them out."},
    kCoilOption,
    kOutJobOption,
    kDataDirOption,
};

struct ListOf {
  ListKind kind;
  const char* option;
  const char* map_option;
};
constexpr ListOf kLists[] = {{ListKind::kGlass, "--glass", "--map"},
                             {ListKind::kStock, "--stock", "--stock-map"},
                             {ListKind::kFlaw, "--flaws", "--flaw-map"}};

// What an import stored, as the command tells it.
std::string StoredText(const Job& job, ListKind kind, int stored) {
  switch (kind) {
    case ListKind::kGlass:
      return GeneralText(stored) + " rows imported into the Glass Size Specifications";
    case ListKind::kStock:
      return GeneralText(stored) + " rows imported into the " +
             (job.settings.coil_mode ? "Coil Specifications" : "Sheet Specifications");
    case ListKind::kFlaw:
      break;
  }
  return GeneralText(stored) + " flaws put on the sheets";
}

// One list of the command line, imported into its grid or the line data; the exit code when it
// stops the command.
std::optional<int> ImportOne(Job& job, const Arguments& parsed, const ListOf& list,
                             const std::string& path, Prompter& prompter) {
  const FileRead read = ReadFile(path, kListFileLimit);
  if (!read.bytes) return Fail(kExitUsage, "cannot read the list " + path + ": " + read.reason);
  const DelimitedText text = ReadDelimitedText(*read.bytes);
  if (!text.error.empty()) return Fail(kExitUsage, path + ": " + text.error);
  const ListKind kind = list.kind;
  ImportMapping mapping = GuessMapping(text, kind, job.settings.unit);
  if (const auto unit = parsed.Value("--unit")) mapping.unit = ReadUnit(*unit);
  if (const auto map = parsed.Value(list.map_option)) {
    if (const auto error = ApplyMapText(mapping, text, kind, *map)) return Fail(kExitUsage, *error);
  }
  const std::vector<std::string>& targets = ImportTargets(kind);
  std::string shown;
  for (size_t t = 0; t < targets.size(); ++t) {
    if (mapping.columns[t] < 0) continue;
    shown += (shown.empty() ? "" : ", ") + targets[t] + " <- " +
             Latin1ToUtf8(SourceColumnName(text, mapping, mapping.columns[t]));
  }
  if (mapping.columns[0] < 0 || mapping.columns[1] < 0) {
    return Fail(kExitUsage, path + ": no column gives " + targets[0] + " and " + targets[1] + " (" +
                                (shown.empty() ? std::string("none matched") : shown) +
                                "); name them with " + list.map_option + " " + targets[0] +
                                "=...," + targets[1] + "=...");
  }
  std::cout << path << ": " << shown << " (lengths in " << UnitText(mapping.unit) << ")\n";
  Grid& grid = kind == ListKind::kGlass ? job.glass : job.sheet;
  const std::vector<std::string> headers =
      kind == ListKind::kFlaw ? FlawListHeaders() : DataHeaders(grid);
  const ImportRows rows = BuildImportRows(text, mapping, kind, headers);
  const ImportRun run{kind,
                      mapping.unit,
                      std::filesystem::path(path).filename().string(),
                      parsed.Has("--replace"),
                      job.workspace.WorkingFile("dia.tlf"),
                      {},
                      LoadChargeTable(job.workspace),
                      &job.line};
  const int stored = kind == ListKind::kFlaw
                         ? ImportFlawsIntoLine(job.line, job.sheet, rows, run, prompter)
                         : ImportIntoGrid(grid, rows, run, prompter);
  if (stored == 0) return kExitRefused;
  job.settings.job_changed = true;
  std::cout << StoredText(job, kind, stored) << "\n";
  return std::nullopt;
}

// A new job of a challenge instance, written to JOB (or OUT).
int ImportChallenge(const Arguments& parsed, Prompter& prompter) {
  const std::string target = parsed.Value("-o").value_or(parsed.positional[0]);
  if (std::filesystem::exists(target) && !parsed.Has("--replace")) {
    return Fail(kExitUsage, target + " exists; --replace writes over it");
  }
  const ChallengeInstanceRead read = ReadChallengeInstanceFiles(*parsed.Value("--challenge"));
  if (!read.problem) return Fail(kExitUsage, read.error);
  CommandJob command_job;
  if (const auto error = command_job.OpenNew(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  if (const auto error = LoadLineProblem(job, *read.problem)) return Fail(kExitUsage, *error);
  size_t flaws = 0;
  for (const LineSheet& sheet : read.problem->sheets) flaws += sheet.flaws.size();
  std::cout << GeneralText(static_cast<int>(read.problem->sheets.size())) << " sheets with "
            << GeneralText(static_cast<int>(flaws)) << " flaws, "
            << GeneralText(static_cast<int>(read.problem->pieces.size()))
            << " pieces and the rules of the cutting line imported\n";
  return SaveJob(job, target, prompter) ? kExitOk : kExitUsage;
}

}  // namespace

const OptionTable kImportOptions = kOptions;

int RunImport(const Arguments& parsed) {
  const bool challenge = parsed.Value("--challenge").has_value();
  const bool lists = parsed.Value("--glass") || parsed.Value("--stock") || parsed.Value("--flaws");
  if (parsed.positional.size() != 1 || challenge == lists || !UnitOptionValid(parsed)) {
    return Fail(kExitUsage, parsed.usage);
  }
  AnsweringPrompter prompter(std::cout, parsed.Has("--strict"));
  if (challenge) return ImportChallenge(parsed, prompter);
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  for (const ListOf& list : kLists) {
    const std::optional<std::string> path = parsed.Value(list.option);
    if (!path) continue;
    if (const auto exit_code = ImportOne(job, parsed, list, *path, prompter)) return *exit_code;
  }
  const std::string& job_file = parsed.positional[0];
  return SaveJob(job, parsed.Value("-o").value_or(job_file), prompter) ? kExitOk : kExitUsage;
}

}  // namespace lumora::cli
