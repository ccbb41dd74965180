#ifndef LUMORA_CORE_DEEP_LINE_BEAM_SEARCH_H_
#define LUMORA_CORE_DEEP_LINE_BEAM_SEARCH_H_

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/deep/line_front.h"
#include "core/deep/line_workers.h"

// Iterative beam search over the partial cutting order, after Libralesso & Fontan (European
// Journal of Operational Research 291(3), 2021) and Fontan & Libralesso, "An anytime tree search
// algorithm for two-dimensional two- and three-staged guillotine packing problems" (2020): beams
// of growing width, each layer one more piece, the nodes of a layer ranked by a guide and
// pruned by their pseudo-dominance and by the best plan's waste. A plan's waste never shrinks
// as pieces join it, so a node already as wasteful as the best plan is dropped.
//
// The threads expand a layer together in blocks of nodes whose children are merged in block
// order, so a budget gives the same plans on any number of threads.
namespace lumora {

enum class LineGuide {
  kWasteRatio,         // waste over the area used up
  kWasteRatioPerArea,  // the same over the mean area of the pieces placed
};

struct LineSearchLimits {
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
  int64_t max_expansions = 0;  // with more than 0, the search ends after about this many
  const std::atomic<bool>* stop = nullptr;
  size_t memory_bytes = size_t{1200} << 20;  // the widest beam is held to this
};

struct LineSearchFigures {
  int64_t expansions = 0;
  int64_t children = 0;
  int64_t dominated = 0;
  int64_t bounded = 0;     // no better than the best plan
  int32_t beams = 0;       // finished
  int64_t width = 0;       // of the last beam started
  bool exhausted = false;  // a beam kept every node: no plan of this scheme is better
};

struct LinePlanFound {
  std::vector<LineMove> moves;
  int64_t waste = 0;
};

class LineBeamSearch {
 public:
  LineBeamSearch(const LineGeometry& geometry, const LineFronts& fronts,
                 const std::vector<LinePiece>& pieces, LineGuide guide, int threads);
  ~LineBeamSearch();

  // Calls `found` with each plan better than any before; it answers whether it kept the plan.
  void Run(const LineSearchLimits& limits, const std::function<bool(const LinePlanFound&)>& found);

  const LineSearchFigures& figures() const { return figures_; }

 private:
  struct Node;
  struct Candidate;
  struct Completion;
  struct Block;
  struct Record {
    int32_t parent = -1;
    LineMove move;
  };

  // False when the limits ended the beam before its last layer.
  bool Beam(int64_t width, const LineSearchLimits& limits,
            const std::function<bool(const LinePlanFound&)>& found, bool* truncated);
  void Expand(const Node& node, uint32_t index, Block& block) const;
  void Offer(const Node& node, const LineClosings& closings, uint32_t index, uint32_t stack,
             const LineMove& move, const LineFront& front, Block& block) const;
  void Report(const std::vector<Node>& layer, const std::vector<Completion>& completions,
              const std::function<bool(const LinePlanFound&)>& found);
  void Materialize(const std::vector<Node>& layer, const std::vector<Candidate>& candidates,
                   std::vector<Node>& next);
  static bool Better(const Candidate& a, const Candidate& b);
  // Keep the `width` best by the guide; true when any was dropped.
  static bool Trim(std::vector<Candidate>& candidates, int64_t width);
  // Drops the dominated, then trims.
  bool Prune(std::vector<Candidate>& candidates, int64_t width);
  double Guide(const LineFront& front, int64_t item_area, int32_t placed) const;
  bool OutOfTime(const LineSearchLimits& limits);
  // The time limit passed or Stop asked, checked by every thread.
  static bool Expired(const LineSearchLimits& limits);

  const LineGeometry& geometry_;
  const LineFronts& fronts_;
  const std::vector<LinePiece>& pieces_;
  LineGuide guide_;
  const LineGuide first_guide_;
  std::unique_ptr<LineWorkers> workers_;
  std::vector<std::vector<int32_t>> stacks_;  // piece indices in the order they must be cut
  std::vector<uint64_t> keys_;                // per stack and count placed, for the layer hash
  std::vector<size_t> key_offsets_;
  int64_t total_area_ = 0;
  int64_t best_waste_ = -1;
  std::vector<Record> records_;
  std::atomic<bool> ended_{false};
  LineSearchFigures figures_;
};

}  // namespace lumora

#endif  // LUMORA_CORE_DEEP_LINE_BEAM_SEARCH_H_
