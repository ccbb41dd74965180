// Plans one instance of the 2018 ROADEF/EURO challenge on the glass line and prints one row:
// the instance, whether the plan is valid by the validator and once written in the challenge's
// format and read back, its waste, the best known and the two published results, the seconds
// taken and the peak memory of the process.
//
//   lumora_glass_line [--time-limit S] [--threads N] [--budget N] [--guide N]
//                     [--best-known FILE.csv] [--out FOLDER] PREFIX
//   lumora_glass_line --check SOLUTION.csv [--seconds S] [--mb MB] [--best-known FILE.csv] PREFIX
//
// --guide gives the search's guide by its number in LineGuide. --check plans nothing: it reads a
// plan another program wrote (the command line's cutting tree) in the challenge's format,
// validates it and prints its row, with the seconds and memory that program took.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/deep/line_optimization.h"
#include "core/engine2d/challenge_instance.h"
#include "core/engine2d/challenge_solution.h"
#include "core/engine2d/cutting_tree_validator.h"

namespace {

using namespace lumora;

// The best known waste and the two published results of the instance, or dashes.
std::vector<std::string> PublishedFigures(const std::string& path, const std::string& instance) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::stringstream fields(line);
    std::vector<std::string> values;
    std::string value;
    while (std::getline(fields, value, ',')) values.push_back(value);
    if (values.size() == 4 && values[0] == instance) return {values[1], values[2], values[3]};
  }
  return {"-", "-", "-"};
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

int main(int argc, char** argv) {
  LineSettings settings;
  std::string best_known;
  std::string out;
  std::string prefix;
  std::string check;
  double seconds = 0;
  long memory_mb = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--time-limit" && has_value) {
      settings.time_limit_seconds = std::atof(argv[++i]);
    } else if (arg == "--threads" && has_value) {
      settings.threads = std::atoi(argv[++i]);
    } else if (arg == "--guide" && has_value) {
      settings.guide = static_cast<LineGuide>(std::atoi(argv[++i]));
    } else if (arg == "--budget" && has_value) {
      settings.budget = std::atoll(argv[++i]);
    } else if (arg == "--best-known" && has_value) {
      best_known = argv[++i];
    } else if (arg == "--out" && has_value) {
      out = argv[++i];
    } else if (arg == "--check" && has_value) {
      check = argv[++i];
    } else if (arg == "--seconds" && has_value) {
      seconds = std::atof(argv[++i]);
    } else if (arg == "--mb" && has_value) {
      memory_mb = std::atol(argv[++i]);
    } else {
      prefix = arg;
    }
  }
  const ChallengeInstanceRead read = ReadChallengeInstanceFiles(prefix);
  if (!read.problem) {
    std::fprintf(stderr, "%s\n", read.error.c_str());
    return 1;
  }
  const LineProblem& problem = *read.problem;
  const std::string instance = std::filesystem::path(prefix).filename().string();
  const std::vector<std::string> published = best_known.empty()
                                                 ? std::vector<std::string>{"-", "-", "-"}
                                                 : PublishedFigures(best_known, instance);
  if (!check.empty()) {
    const ChallengeSolutionRead back = ReadChallengeSolution(problem, check, ReadAll(check));
    std::vector<LineFinding> findings;
    if (back.tree) findings = ValidateCuttingTree(problem, *back.tree);
    const bool valid = back.tree && findings.empty();
    std::printf("%-5s %-7s %-7s %12lld %12s %12s %12s %7.1f %6ld\n", instance.c_str(),
                valid ? "valid" : "INVALID", back.tree ? "valid" : "INVALID",
                valid ? static_cast<long long>(TreeWaste(problem, *back.tree)) : -1LL,
                published[0].c_str(), published[1].c_str(), published[2].c_str(), seconds,
                memory_mb);
    if (!back.tree) std::printf("      %s\n", back.error.c_str());
    if (!findings.empty()) std::printf("      %s\n", findings.front().text.c_str());
    return valid ? 0 : 2;
  }
  const LineResult result = OptimizeCuttingLine(problem, settings);

  bool valid = false;
  bool read_back_valid = false;
  std::string first_problem;
  if (result.tree) {
    const std::vector<LineFinding> findings = ValidateCuttingTree(problem, *result.tree);
    valid = findings.empty();
    if (!valid) first_problem = findings.front().text;
    const std::string written = WriteChallengeSolution(problem, *result.tree);
    if (!out.empty()) {
      std::ofstream(out + "/" + instance + "_solution.csv", std::ios::binary) << written;
    }
    const ChallengeSolutionRead back = ReadChallengeSolution(problem, instance, written);
    read_back_valid = back.tree && ValidateCuttingTree(problem, *back.tree).empty() &&
                      TreeWaste(problem, *back.tree) == result.waste;
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf(
      "%-5s %-7s %-7s %12lld %12s %12s %12s %7.1f %6ld  beams %d width %lld nodes %lld "
      "children %lld%s\n",
      instance.c_str(), valid ? "valid" : "INVALID", read_back_valid ? "valid" : "INVALID",
      result.tree ? static_cast<long long>(result.waste) : -1LL, published[0].c_str(),
      published[1].c_str(), published[2].c_str(), result.seconds, usage.ru_maxrss / 1024,
      result.figures.beams, static_cast<long long>(result.figures.width),
      static_cast<long long>(result.figures.expansions),
      static_cast<long long>(result.figures.children),
      result.figures.exhausted ? " exhausted" : "");
  if (!first_problem.empty()) std::printf("      %s\n", first_problem.c_str());
  for (const std::string& refusal : result.refusals) {
    std::printf("      refused: %s\n", refusal.c_str());
  }
  return valid && read_back_valid ? 0 : 2;
}
