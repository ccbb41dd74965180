// Runs the standard engine (EFF 100, as the benchmark's published figures were taken) and the
// deep optimizer over cutting benchmark jobs and prints, per job and per set, the stock each
// result takes against the best known figure.
//
//   lumora_engine_comparison [--time-limit S] [--threads N] [--budget N] [--standard-eff N]
//                            [--engine standard|deep|both] [--best-known FILE.csv] [--verbose]
//                            JOB...
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench_job.h"
#include "core/deep/deep_optimization.h"
#include "core/deep/deep_progress.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/optimization.h"
#include "core/engine2d/result_validator.h"

namespace {

using namespace lumora;

struct Figures {
  double stock_area_m2 = 0;
  double sheets = 0;
  double yield = 0;
  int layouts = 0;
  double seconds = 0;
  bool valid = false;
};

Figures FiguresOf(const OptimizationResult& result, const BenchJob& job, double seconds) {
  Figures figures;
  figures.seconds = seconds;
  for (const LayoutElement& element : result.best) {
    if (element.kind != kStockFrame) continue;
    figures.sheets += element.repeat;
    figures.stock_area_m2 += static_cast<double>(element.x2 - element.x1) *
                             (element.y2 - element.y1) * element.repeat / 1e6;
  }
  const PassStatistics stats = PassStats(result.best);
  figures.yield = stats.yield;
  figures.layouts = stats.layout_count;
  figures.valid =
      !result.best.Empty() && ValidateResult(job.Engine(), job.trim_allowance, result.best).empty();
  return figures;
}

std::map<std::string, double> ReadBestKnown(const std::string& path) {
  std::map<std::string, double> best;
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::stringstream fields(line);
    std::string job, measure, value;
    std::getline(fields, job, ',');
    std::getline(fields, measure, ',');
    std::getline(fields, value, ',');
    best[job] = measure == "sheets" ? std::stod(value) : std::stod(value) / 1e6;
  }
  return best;
}

void PrintRow(const std::string& job, const char* engine, const Figures& f, double best_known) {
  std::printf("%-22s %-8s %10.2f %7.0f %7.2f %7d %7.1f %10.2f %s\n", job.c_str(), engine,
              f.stock_area_m2, f.sheets, f.yield * 100, f.layouts, f.seconds, best_known,
              f.valid ? "" : "INVALID");
}

double SecondsSince(std::chrono::steady_clock::time_point begin) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

}  // namespace

int main(int argc, char** argv) {
  DeepSettings deep;
  deep.time_limit_seconds = 10;
  int16_t standard_eff = 100;
  std::string best_known_file;
  bool verbose = false;
  bool run_standard = true;
  bool run_deep = true;
  std::vector<std::string> jobs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (arg == "--time-limit") {
      deep.time_limit_seconds = std::stod(next());
    } else if (arg == "--threads") {
      deep.threads = std::stoi(next());
    } else if (arg == "--budget") {
      deep.budget = std::stoll(next());
    } else if (arg == "--seed") {
      deep.seed = std::stoull(next());
    } else if (arg == "--standard-eff") {
      standard_eff = static_cast<int16_t>(std::stoi(next()));
    } else if (arg == "--engine") {
      const std::string engine = next();
      run_standard = engine != "deep";
      run_deep = engine != "standard";
    } else if (arg == "--verbose") {
      verbose = true;
    } else if (arg == "--best-known") {
      best_known_file = next();
    } else {
      jobs.push_back(arg);
    }
  }
  const std::map<std::string, double> best_known =
      best_known_file.empty() ? std::map<std::string, double>{} : ReadBestKnown(best_known_file);

  std::printf("%-22s %-8s %10s %7s %7s %7s %7s %10s\n", "job", "engine", "area m2", "sheets",
              "yield%", "layouts", "time s", "best known");
  std::map<std::string, std::map<std::string, double>> totals;  // set -> column -> sum
  for (const std::string& path : jobs) {
    const std::string name = std::filesystem::path(path).stem().string();
    const std::string set = name.substr(0, name.find('_'));
    const BenchJob job(path);
    const double known = best_known.count(name) ? best_known.at(name) : 0;

    Figures s;
    if (run_standard) {
      OptimizationSettings standard;
      standard.efficiency = standard_eff;
      standard.trim_allowance = job.trim_allowance;
      standard.threads = deep.threads;
      const auto begin = std::chrono::steady_clock::now();
      const OptimizationResult standard_result = RunOptimization(job.Engine(), standard);
      s = FiguresOf(standard_result, job, SecondsSince(begin));
      PrintRow(name, "standard", s, known);
    }
    Figures d;
    if (run_deep) {
      DeepSettings settings = deep;
      settings.trim_allowance = job.trim_allowance;
      const auto begin = std::chrono::steady_clock::now();
      const DeepResult deep_result = RunDeepOptimization(job.Engine(), settings);
      d = FiguresOf(deep_result.result, job, SecondsSince(begin));
      PrintRow(name, "deep", d, known);
      if (verbose) std::printf("%s\n", DeepFiguresText(deep_result.figures).c_str());
    }
    std::fflush(stdout);
    auto& total = totals[set];
    total["standard area"] += s.stock_area_m2;
    total["standard sheets"] += s.sheets;
    total["deep area"] += d.stock_area_m2;
    total["deep sheets"] += d.sheets;
    total["deep seconds"] += d.seconds;
    total["best known"] += known;
  }
  for (const auto& [set, total] : totals) {
    std::printf(
        "set %-8s standard %.2f m2 / %.0f sheets; deep %.2f m2 / %.0f sheets in %.1f s; best "
        "known %.2f\n",
        set.c_str(), total.at("standard area"), total.at("standard sheets"), total.at("deep area"),
        total.at("deep sheets"), total.at("deep seconds"), total.at("best known"));
  }
  return 0;
}
