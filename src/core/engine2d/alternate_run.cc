#include "core/engine2d/alternate_run.h"

#include <utility>

#include "core/base/file_routines.h"
#include "core/engine2d/layout_evaluation.h"
#include "core/engine2d/optimization.h"
#include "core/engine2d/pass_runner.h"
#include "core/engine2d/result_files.h"

namespace lumora {
namespace {

constexpr int64_t kAlternateSeed = 2000;
constexpr float kCoilQuantity = 100000;

// The driver's checks, with the alternate run's text for the glass list.
std::string CheckInput(const StockList& stocks, const GlassList& glasses, float blade,
                       bool coil_mode) {
  if (blade == 0) return std::string(kWrongBladeMessage);
  if (stocks.Empty()) return std::string(coil_mode ? kNoCoilsMessage : kNoSheetsMessage);
  if (glasses.Empty()) return std::string(kAlternateNoGlassMessage);
  return {};
}

}  // namespace

int32_t AlternatePasses(int glass_count) { return static_cast<int32_t>(glass_count) * 64; }

int32_t AlternateFirstRandomPass(int32_t total_passes) { return total_passes / 3 + 1; }

AlternateRunResult AlternateRun(const EngineJob& job, StockList stocks, GlassList glasses,
                                int pattern, float trim_allowance) {
  AlternateRunResult result;
  const EngineInput input = PrepareEngineInput(job);
  if (job.coil_mode) {
    // Every coil would do for the run, but the arrangement is stored on the layout's own coil.
    for (StockRecord& coil : stocks) {
      if (coil.qty > 0) coil.qty = kCoilQuantity;
    }
  }
  const float blade = input.basic.blade + input.basic.kerf;
  result.refusal = CheckInput(stocks, glasses, blade, job.coil_mode);
  if (!result.refusal.empty()) return result;
  AddKerf(stocks, glasses, input.basic.kerf);

  const int32_t total = AlternatePasses(glasses.Count());
  RunSetup setup = MakeRunSetup(stocks, glasses, trim_allowance, blade, input.basic.b_mm,
                                /*coil_mode=*/false, total);
  setup.only_pattern = pattern;
  setup.first_random_pass = AlternateFirstRandomPass(total);
  setup.reseed_each_pass = false;
  setup.commit_once = true;

  PassBuffers buffers;
  ResetRandom(buffers.random, kAlternateSeed);
  PassOutcome outcome;
  int improvements = 0;
  for (int32_t pass = 1; pass <= total; ++pass) {
    RunPass(setup, pass, StockAreaSum(result.best), buffers, outcome);
    if (outcome.complete && !outcome.result.Empty() && outcome.result.Back().layout_no == 1) {
      KeepBetterSheetResult(outcome.result, result.best, input.objective, improvements);
      break;
    }
  }
  TransposeElements(result.best);
  return result;
}

AlternateRunResult AlternateRunFromFiles(const EngineJob& job, const Workspace& workspace,
                                         int pattern, float trim_allowance) {
  StockInputRead stocks = ReadStockInput(workspace.WorkingFile(kStockInputFileName));
  GlassInputRead glasses = ReadGlassInput(workspace.WorkingFile(kGlassInputFileName));
  AlternateRunResult result = AlternateRun(job, std::move(stocks.stocks),
                                           std::move(glasses.glasses), pattern, trim_allowance);
  if (!result.refusal.empty()) return result;
  const std::string path = workspace.WorkingFile(kLayoutFileName);
  if (const auto error = WriteLayoutFile(path, result.best)) {
    result.refusal = SaveFailureText({path, *error});
    result.best.Clear();
  }
  return result;
}

}  // namespace lumora
