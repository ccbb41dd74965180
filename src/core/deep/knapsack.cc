#include "core/deep/knapsack.h"

#include <algorithm>
#include <cstring>

namespace lumora::deep {

std::vector<int> PowerOfTwoParts(int count) {
  std::vector<int> parts;
  for (int part = 1; count > 0; part *= 2) {
    parts.push_back(std::min(part, count));
    count -= parts.back();
  }
  return parts;
}

std::vector<bool> Dominated(const std::vector<size_t>& weights, const std::vector<double>& values,
                            size_t capacity) {
  std::vector<bool> dominated(weights.size(), false);
  for (size_t b = 0; b < weights.size(); ++b) {
    size_t dominators = 0;
    size_t lightest = weights[b];
    for (size_t d = 0; d < weights.size(); ++d) {
      const bool better = weights[d] < weights[b] || values[d] > values[b] || d < b;
      if (d == b || weights[d] > weights[b] || values[d] < values[b] || !better) continue;
      ++dominators;
      lightest = std::min(lightest, weights[d]);
    }
    dominated[b] = dominators > 0 && dominators * lightest + weights[b] > capacity;
  }
  return dominated;
}

void ZeroOneKnapsack::Start(size_t capacity, size_t items) {
  capacity_ = capacity;
  items_ = 0;
  keeps_choices_ = true;
  best_.assign(capacity + 1, 0.0);
  taken_.clear();
  taken_.reserve(items * (capacity + 1));
  weights_.clear();
}

void ZeroOneKnapsack::StartValuesOnly(size_t capacity) {
  Start(capacity, 0);
  keeps_choices_ = false;
}

namespace {

// Two capacities at a time: a pair of doubles is what every x86-64 processor holds in a vector
// register (wider vectors, where the processor has them, proved no faster here).
constexpr size_t kLanes = 2;
using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));
using LaneMasks = int64_t __attribute__((vector_size(kLanes * sizeof(double))));

// Raises best[c] to best[c - weight] + value for every c from `weight` to `top`, where that adds
// more than `margin`; with `row`, row[c] tells whether it did. This loop takes most of a
// construction's time on jobs of many sizes.
//
// A pass runs from the top capacity down, and a capacity reads only the one `weight` below it as
// the pass found it: a block of capacities that reads all its lower values before it writes
// gives the very sums and choices of one capacity at a time.
void AddToTable(double* best, uint8_t* row, size_t top, size_t weight, double value,
                double margin) {
  size_t c = top + 1;
  for (; c >= weight + kLanes; c -= kLanes) {
    const size_t first = c - kLanes;
    Lanes lower;
    Lanes kept;
    std::memcpy(&lower, best + first - weight, sizeof lower);
    std::memcpy(&kept, best + first, sizeof kept);
    const Lanes with = lower + value;
    const LaneMasks take = with > kept + margin;
    LaneMasks with_bits;
    LaneMasks kept_bits;
    std::memcpy(&with_bits, &with, sizeof with);
    std::memcpy(&kept_bits, &kept, sizeof kept);
    const LaneMasks chosen = (take & with_bits) | (~take & kept_bits);
    std::memcpy(best + first, &chosen, sizeof chosen);
    if (row != nullptr) {
      for (size_t lane = 0; lane < kLanes; ++lane) {
        row[first + lane] = static_cast<uint8_t>(take[lane] & 1);
      }
    }
  }
  // The choice row is bytes, which may alias anything: through a pointer of its own the table
  // of values is not read again after every byte written.
  for (; c-- > weight;) {
    const double with = best[c - weight] + value;
    const bool take = with > best[c] + margin;
    best[c] = take ? with : best[c];
    if (row != nullptr) row[c] = static_cast<uint8_t>(take);
  }
}

}  // namespace

void ZeroOneKnapsack::Add(size_t weight, double value) {
  if (!keeps_choices_) {
    AddToTable(best_.data(), nullptr, capacity_, weight, value, 0);
    return;
  }
  taken_.resize(taken_.size() + capacity_ + 1, 0);
  AddToTable(best_.data(), &taken_[items_ * (capacity_ + 1)], capacity_, weight, value,
             kValueEpsilon);
  weights_.push_back(weight);
  ++items_;
}

std::vector<size_t> ZeroOneKnapsack::Chosen(size_t items) const {
  std::vector<size_t> chosen;
  if (!keeps_choices_) return chosen;
  size_t c = capacity_;
  for (size_t i = std::min(items, items_); i-- > 0;) {
    if (taken_[i * (capacity_ + 1) + c]) {
      chosen.push_back(i);
      c -= weights_[i];
    }
  }
  return chosen;
}

}  // namespace lumora::deep
