#ifndef LUMORA_CORE_DEEP_SEQUENTIAL_VALUE_CORRECTION_H_
#define LUMORA_CORE_DEEP_SEQUENTIAL_VALUE_CORRECTION_H_

#include <vector>

#include "core/deep/chain_random.h"
#include "core/deep/construction.h"
#include "core/deep/deep_problem.h"

// Sequential value correction (E. A. Mukhacheva, G. N. Belov, V. M. Kartak, A. S. Mukhacheva,
// "Linear one-dimensional cutting-packing problems: numerical experiments with the sequential
// value correction method (SVC) and a modified branch-and-bound method (MBB)", Pesquisa
// Operacional 20(2), 2000; for rectangles G. Belov, G. Scheithauer, E. A. Mukhacheva,
// "One-dimensional heuristics adapted for two-dimensional rectangular strip packing", Journal of
// the Operational Research Society 59(6), 2008). Plans are built one after the other by the
// sequential heuristic (Construction) under piece values; after each plan every piece type's
// value moves towards what the plan made it cost, so that pieces left to poor layouts are
// placed earlier by the next plan.
namespace lumora::deep {

class SequentialValueCorrection {
 public:
  // Values start at the pieces' areas. `correction_rate` is how far one correction moves a
  // value towards its target (0..1); `jitter` how far, as a share, the values a plan is built
  // under stray from them at random, so that plans under the same values still differ.
  SequentialValueCorrection(const DeepProblem& problem, double correction_rate, double jitter);

  // The values for the next plan, each drawn within the jitter of its value.
  std::vector<double> Jittered(ChainRandom& random) const;

  // Moves each value placed in the plan towards its area times the stock it cost there: stock
  // area over piece area of the layouts that held it, up to a limit.
  void Correct(const Construction& construction, const Plan& plan);

  const std::vector<double>& values() const { return values_; }

 private:
  const DeepProblem& problem_;
  double correction_rate_;
  double jitter_;
  std::vector<double> values_;
};

}  // namespace lumora::deep

#endif  // LUMORA_CORE_DEEP_SEQUENTIAL_VALUE_CORRECTION_H_
