#include "core/deep/line_beam_search.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace lumora {
namespace {

uint64_t SplitMix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// The pieces as the search draws them: a stack's pieces in their sequence; pieces free of any
// order (no stack, or alone in theirs) of one size and turning share a stack, since which of
// two equal pieces comes first changes nothing.
std::vector<std::vector<int32_t>> DrawOrder(const std::vector<LinePiece>& pieces) {
  std::map<int32_t, std::vector<int32_t>> stacked;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].stack != kNoStack) stacked[pieces[i].stack].push_back(static_cast<int32_t>(i));
  }
  std::map<std::tuple<int32_t, int32_t, bool>, std::vector<int32_t>> free;
  std::vector<std::vector<int32_t>> stacks;
  const auto add_free = [&](int32_t index) {
    const LinePiece& piece = pieces[index];
    const int32_t a = piece.may_turn ? std::min(piece.width, piece.height) : piece.width;
    const int32_t b = piece.may_turn ? std::max(piece.width, piece.height) : piece.height;
    free[{a, b, piece.may_turn}].push_back(index);
  };
  for (auto& [stack, members] : stacked) {
    if (members.size() == 1) {
      add_free(members.front());
      continue;
    }
    std::stable_sort(members.begin(), members.end(),
                     [&](int32_t a, int32_t b) { return pieces[a].sequence < pieces[b].sequence; });
    stacks.push_back(members);
  }
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].stack == kNoStack) add_free(static_cast<int32_t>(i));
  }
  for (auto& [size, members] : free) stacks.push_back(members);
  return stacks;
}

constexpr size_t kDominanceChecks = 64;
// A layer is expanded in blocks of this many nodes, and merged after this many blocks.
constexpr size_t kBlockNodes = 64;
constexpr size_t kSegmentBlocks = 32;

}  // namespace

struct LineBeamSearch::Node {
  LineState state;
  std::vector<uint32_t> placed;  // per stack
  uint64_t hash = 0;
  int32_t record = -1;
  int64_t item_area = 0;
  int32_t count = 0;
};

struct LineBeamSearch::Candidate {
  LineFront front;
  double guide = 0;
  int64_t waste = 0;
  uint64_t hash = 0;
  int64_t item_area = 0;
  uint64_t order = 0;  // parent and child number: the same on any thread
  uint32_t parent = 0;
  uint32_t stack = 0;
  LineMove move;
};

// A finished plan: its last move from a node of the last layer.
struct LineBeamSearch::Completion {
  int64_t waste = 0;
  uint64_t order = 0;
  uint32_t parent = 0;
  LineMove move;
};

// What one thread made of a block of nodes.
struct LineBeamSearch::Block {
  std::vector<Candidate> candidates;
  std::vector<Completion> completions;
  int64_t children = 0;
  int64_t bounded = 0;
  uint32_t child_number = 0;
};

LineBeamSearch::LineBeamSearch(const LineGeometry& geometry, const LineFronts& fronts,
                               const std::vector<LinePiece>& pieces, LineGuide guide, int threads)
    : geometry_(geometry),
      fronts_(fronts),
      pieces_(pieces),
      guide_(guide),
      first_guide_(guide),
      workers_(std::make_unique<LineWorkers>(std::max(1, threads))) {
  stacks_ = DrawOrder(pieces);
  uint64_t seed = 0x5EED;
  for (const std::vector<int32_t>& stack : stacks_) {
    key_offsets_.push_back(keys_.size());
    for (size_t k = 0; k <= stack.size(); ++k) keys_.push_back(SplitMix(seed));
  }
  for (const LinePiece& piece : pieces) {
    total_area_ += static_cast<int64_t>(piece.width) * piece.height;
  }
}

LineBeamSearch::~LineBeamSearch() = default;

double LineBeamSearch::Guide(const LineFront& front, int64_t item_area, int32_t placed) const {
  const int64_t consumed = fronts_.Consumed(front);
  if (consumed <= 0 || item_area <= 0) return 0;
  const double ratio = static_cast<double>(consumed - item_area) / static_cast<double>(consumed);
  if (guide_ == LineGuide::kWasteRatio) return ratio;
  return ratio * placed / static_cast<double>(item_area);
}

bool LineBeamSearch::Expired(const LineSearchLimits& limits) {
  return (limits.stop != nullptr && limits.stop->load(std::memory_order_relaxed)) ||
         (limits.max_expansions <= 0 && std::chrono::steady_clock::now() >= limits.deadline);
}

bool LineBeamSearch::OutOfTime(const LineSearchLimits& limits) {
  if (ended_) return true;
  if (Expired(limits) ||
      (limits.max_expansions > 0 && figures_.expansions >= limits.max_expansions)) {
    ended_ = true;
  }
  return ended_;
}

void LineBeamSearch::Offer(const Node& node, const LineClosings& closings, uint32_t index,
                           uint32_t stack, const LineMove& move, const LineFront& front,
                           Block& block) const {
  ++block.children;
  const uint64_t order = (static_cast<uint64_t>(index) << 24) | block.child_number++;
  const int32_t count = node.count + 1;
  if (count == static_cast<int32_t>(pieces_.size())) {
    LineState child;
    if (!fronts_.Apply(node.state, closings, move, &child)) return;
    const std::optional<LineStripEnd> end = fronts_.Finish(child);
    if (!end) return;
    const int32_t sheet = child.front.sheet;
    const int32_t used = KeepsLastLeftover(geometry_.rules()) ? end->right : geometry_.Width(sheet);
    const int64_t waste = geometry_.AreaBefore(sheet) +
                          static_cast<int64_t>(used) * geometry_.Height(sheet) - total_area_;
    if (best_waste_ < 0 || waste < best_waste_) {
      block.completions.push_back({waste, order, index, move});
    }
    return;
  }
  const LinePiece& piece = pieces_[move.piece];
  const int64_t item_area = node.item_area + static_cast<int64_t>(piece.width) * piece.height;
  const int64_t waste = fronts_.Consumed(front) - item_area;
  if (best_waste_ >= 0 && waste >= best_waste_) {
    ++block.bounded;
    return;
  }
  const size_t key = key_offsets_[stack] + node.placed[stack];
  Candidate candidate;
  candidate.front = front;
  candidate.guide = Guide(front, item_area, count);
  candidate.waste = waste;
  candidate.hash = node.hash ^ keys_[key] ^ keys_[key + 1];
  candidate.item_area = item_area;
  candidate.order = order;
  candidate.parent = index;
  candidate.stack = stack;
  candidate.move = move;
  block.candidates.push_back(candidate);
}

void LineBeamSearch::Expand(const Node& node, uint32_t index, Block& block) const {
  block.child_number = 0;
  const bool started = node.state.front.sheet >= 0;
  LineClosings closings = fronts_.Closings(node.state, false);
  for (uint32_t stack = 0; stack < stacks_.size(); ++stack) {
    if (node.placed[stack] == stacks_[stack].size()) continue;
    const int32_t piece_index = stacks_[stack][node.placed[stack]];
    const LinePiece& piece = pieces_[piece_index];
    const int turns = piece.may_turn && piece.width != piece.height ? 2 : 1;
    bool placed_here = false;
    for (int turned = 0; turned < turns && started; ++turned) {
      for (InsertLevel level :
           {InsertLevel::kRowPart, InsertLevel::kNewRow, InsertLevel::kNewStrip}) {
        bool met_flaw = false;
        for (Dodge dodge : {Dodge::kRight, Dodge::kLift, Dodge::kRaiseRow}) {
          if (dodge != Dodge::kRight && !met_flaw) break;
          if (dodge == Dodge::kRaiseRow && level != InsertLevel::kNewRow) continue;
          const LineMove move{piece_index, turned == 1, level, dodge};
          const std::optional<LineFront> front = fronts_.Apply(
              node.state, closings, move, nullptr, dodge == Dodge::kRight ? &met_flaw : nullptr);
          if (!front) continue;
          placed_here = true;
          Offer(node, closings, index, stack, move, *front, block);
        }
      }
    }
    if (placed_here) continue;
    // A new sheet only for a piece the open one cannot take: what it leaves would be waste.
    if (!closings.sheet_known) fronts_.CloseSheet(node.state, closings);
    for (int turned = 0; turned < turns; ++turned) {
      bool met_flaw = false;
      for (Dodge dodge : {Dodge::kRight, Dodge::kLift}) {
        if (dodge != Dodge::kRight && !met_flaw) break;
        const LineMove move{piece_index, turned == 1, InsertLevel::kNewSheet, dodge};
        const std::optional<LineFront> front = fronts_.Apply(
            node.state, closings, move, nullptr, dodge == Dodge::kRight ? &met_flaw : nullptr);
        if (front) Offer(node, closings, index, stack, move, *front, block);
      }
    }
  }
}

// By the guide; of nodes alike by it, the one that placed more area has smaller pieces left.
bool LineBeamSearch::Better(const Candidate& a, const Candidate& b) {
  return std::tuple(a.guide, -a.item_area, a.order) < std::tuple(b.guide, -b.item_area, b.order);
}

bool LineBeamSearch::Trim(std::vector<Candidate>& candidates, int64_t width) {
  if (static_cast<int64_t>(candidates.size()) <= width) return false;
  std::nth_element(candidates.begin(), candidates.begin() + width, candidates.end(), Better);
  candidates.resize(width);
  return true;
}

bool LineBeamSearch::Prune(std::vector<Candidate>& candidates, int64_t width) {
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    return a.hash != b.hash ? a.hash < b.hash : Better(a, b);
  });
  size_t kept = 0;
  size_t group = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (i == 0 || candidates[i].hash != candidates[i - 1].hash) group = kept;
    bool dominated = false;
    for (size_t k = group; k < kept && k < group + kDominanceChecks; ++k) {
      if (FrontDominates(candidates[k].front, candidates[i].front)) {
        dominated = true;
        break;
      }
    }
    if (dominated) {
      ++figures_.dominated;
    } else {
      candidates[kept++] = candidates[i];
    }
  }
  candidates.resize(kept);
  return Trim(candidates, width);
}

void LineBeamSearch::Report(const std::vector<Node>& layer,
                            const std::vector<Completion>& completions,
                            const std::function<bool(const LinePlanFound&)>& found) {
  if (completions.empty()) return;
  const Completion& best = *std::min_element(
      completions.begin(), completions.end(), [](const Completion& a, const Completion& b) {
        return std::tie(a.waste, a.order) < std::tie(b.waste, b.order);
      });
  if (best_waste_ >= 0 && best.waste >= best_waste_) return;
  LinePlanFound plan;
  plan.waste = best.waste;
  plan.moves.push_back(best.move);
  for (int32_t record = layer[best.parent].record; record >= 0; record = records_[record].parent) {
    plan.moves.push_back(records_[record].move);
  }
  std::reverse(plan.moves.begin(), plan.moves.end());
  if (found(plan)) best_waste_ = best.waste;
}

void LineBeamSearch::Materialize(const std::vector<Node>& layer,
                                 const std::vector<Candidate>& candidates,
                                 std::vector<Node>& next) {
  next.assign(candidates.size(), Node{});
  const size_t first_record = records_.size();
  records_.resize(first_record + candidates.size());
  std::atomic<size_t> chunk = 0;
  constexpr size_t kChunk = 256;
  workers_->Run([&](int) {
    for (size_t begin = chunk.fetch_add(kChunk); begin < candidates.size();
         begin = chunk.fetch_add(kChunk)) {
      for (size_t c = begin; c < std::min(candidates.size(), begin + kChunk); ++c) {
        const Candidate& candidate = candidates[c];
        const Node& parent = layer[candidate.parent];
        Node& node = next[c];
        const InsertLevel level = candidate.move.level;
        const LineClosings closings =
            level == InsertLevel::kRowPart
                ? LineClosings{}
                : fronts_.Closings(parent.state, level == InsertLevel::kNewSheet);
        fronts_.Apply(parent.state, closings, candidate.move, &node.state);
        node.placed = parent.placed;
        ++node.placed[candidate.stack];
        node.hash = candidate.hash;
        node.record = static_cast<int32_t>(first_record + c);
        records_[first_record + c] = {parent.record, candidate.move};
        node.item_area = candidate.item_area;
        node.count = parent.count + 1;
      }
    }
  });
}

bool LineBeamSearch::Beam(int64_t width, const LineSearchLimits& limits,
                          const std::function<bool(const LinePlanFound&)>& found, bool* truncated) {
  records_.clear();
  std::vector<Node> layer(1);
  layer[0].placed.assign(stacks_.size(), 0);
  std::vector<Candidate> candidates;
  std::vector<Completion> completions;
  std::vector<Block> blocks(kSegmentBlocks);
  const size_t compact_at = static_cast<size_t>(4 * width + 1024);
  const bool timed = limits.max_expansions <= 0;
  for (size_t depth = 0; depth < pieces_.size(); ++depth) {
    candidates.clear();
    completions.clear();
    for (size_t segment = 0; segment < layer.size(); segment += kBlockNodes * kSegmentBlocks) {
      if (OutOfTime(limits)) return false;
      const size_t end = std::min(layer.size(), segment + kBlockNodes * kSegmentBlocks);
      const size_t count = (end - segment + kBlockNodes - 1) / kBlockNodes;
      std::atomic<size_t> next_block = 0;
      workers_->Run([&](int) {
        for (size_t b = next_block++; b < count; b = next_block++) {
          Block& block = blocks[b];
          block.candidates.clear();
          block.completions.clear();
          block.children = block.bounded = 0;
          const size_t first = segment + b * kBlockNodes;
          for (size_t i = first; i < std::min(end, first + kBlockNodes); ++i) {
            if (timed && (ended_ || Expired(limits))) {
              ended_ = true;
              return;
            }
            Expand(layer[i], static_cast<uint32_t>(i), block);
          }
        }
      });
      if (ended_) return false;
      figures_.expansions += static_cast<int64_t>(end - segment);
      for (size_t b = 0; b < count; ++b) {
        figures_.children += blocks[b].children;
        figures_.bounded += blocks[b].bounded;
        candidates.insert(candidates.end(), blocks[b].candidates.begin(),
                          blocks[b].candidates.end());
        completions.insert(completions.end(), blocks[b].completions.begin(),
                           blocks[b].completions.end());
        // The best of many more than the beam keeps are enough to choose from.
        if (candidates.size() >= compact_at && Trim(candidates, 2 * width)) *truncated = true;
      }
    }
    Report(layer, completions, found);
    if (Prune(candidates, width)) *truncated = true;
    if (candidates.empty()) return true;
    std::vector<Node> next;
    Materialize(layer, candidates, next);
    layer = std::move(next);
  }
  return true;
}

void LineBeamSearch::Run(const LineSearchLimits& limits,
                         const std::function<bool(const LinePlanFound&)>& found) {
  if (pieces_.empty()) return;
  const size_t per_width = pieces_.size() * sizeof(Record) +
                           2 * (sizeof(Node) + stacks_.size() * sizeof(uint32_t) + 1024) +
                           4 * sizeof(Candidate);
  const int64_t widest =
      std::max<int64_t>(1, static_cast<int64_t>(limits.memory_bytes / per_width));
  int64_t width = 1;
  while (!ended_) {
    figures_.width = width;
    const auto started = std::chrono::steady_clock::now();
    const int64_t expanded = figures_.expansions;
    bool truncated = false;
    if (!Beam(width, limits, found, &truncated)) break;
    ++figures_.beams;
    if (!truncated) {
      figures_.exhausted = true;
      break;
    }
    // A beam costs about its width: the next is as wide as the rest of the time or budget
    // allows, at most four times this one, so that little is lost to a beam cut short. When not
    // even this one's width fits again, what is left goes to a narrower beam led by the other
    // guide, which finds other plans.
    double room = 0;
    if (limits.max_expansions > 0) {
      room = static_cast<double>(limits.max_expansions - figures_.expansions) /
             static_cast<double>(std::max<int64_t>(1, figures_.expansions - expanded));
    } else {
      const auto now = std::chrono::steady_clock::now();
      room = std::chrono::duration<double>(limits.deadline - now).count() /
             std::max(1e-6, std::chrono::duration<double>(now - started).count());
    }
    const double growth = std::min(4.0, 0.8 * room);
    if (growth < 1.1) {
      const LineGuide other = first_guide_ == LineGuide::kWasteRatio ? LineGuide::kWasteRatioPerArea
                                                                     : LineGuide::kWasteRatio;
      guide_ = guide_ == first_guide_ ? other : first_guide_;
    }
    width = std::clamp<int64_t>(static_cast<int64_t>(width * growth), 1, widest);
  }
}

}  // namespace lumora
