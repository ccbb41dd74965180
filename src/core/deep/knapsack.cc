#include "core/deep/knapsack.h"

#include <algorithm>

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

void ZeroOneKnapsack::Add(size_t weight, double value) {
  if (!keeps_choices_) {
    for (size_t c = capacity_ + 1; c-- > weight;) {
      best_[c] = std::max(best_[c], best_[c - weight] + value);
    }
    return;
  }
  taken_.resize(taken_.size() + capacity_ + 1, 0);
  // The choice row is bytes, which may alias anything: through a pointer of its own the table
  // of values is not read again after every byte written, and without a branch the choice costs
  // no misprediction. This loop takes most of a construction's time on jobs of many sizes.
  uint8_t* row = &taken_[items_ * (capacity_ + 1)];
  double* best = best_.data();
  for (size_t c = capacity_ + 1; c-- > weight;) {
    const double with = best[c - weight] + value;
    const bool take = with > best[c] + kValueEpsilon;
    best[c] = take ? with : best[c];
    row[c] = static_cast<uint8_t>(take);
  }
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
