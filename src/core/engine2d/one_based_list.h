#ifndef LUMORA_CORE_ENGINE2D_ONE_BASED_LIST_H_
#define LUMORA_CORE_ENGINE2D_ONE_BASED_LIST_H_

#include <cassert>
#include <vector>

namespace lumora {

// A list indexed from 1 to Count(), because every stock, glass and element index the engine
// stores (in element kinds, in result files, in saved jobs) counts from 1. Clearing and
// assigning keep the storage, so lists reused across candidates stop allocating once they
// have grown to their working size.
template <typename T>
class OneBasedList {
 public:
  OneBasedList() = default;

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  bool Contains(int index) const { return index >= 1 && index <= Count(); }

  T& operator[](int index) {
    assert(Contains(index));
    return items_[static_cast<size_t>(index - 1)];
  }
  const T& operator[](int index) const {
    assert(Contains(index));
    return items_[static_cast<size_t>(index - 1)];
  }
  T& Back() { return items_.back(); }
  const T& Back() const { return items_.back(); }

  void Append(const T& item) { items_.push_back(item); }
  // Grows or shrinks to `count` items; new items are value-initialised.
  void Resize(int count) { items_.resize(static_cast<size_t>(count < 0 ? 0 : count)); }
  void Reserve(int count) { items_.reserve(static_cast<size_t>(count < 0 ? 0 : count)); }
  void Clear() { items_.clear(); }
  template <typename Predicate>
  void EraseIf(Predicate predicate) {
    std::erase_if(items_, predicate);
  }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool operator==(const OneBasedList&) const = default;

 private:
  std::vector<T> items_;
};

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_ONE_BASED_LIST_H_
