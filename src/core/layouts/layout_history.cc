#include "core/layouts/layout_history.h"

#include <optional>
#include <utility>

#include "core/base/file_routines.h"
#include "core/tables/table_file.h"

namespace lumora {

void LayoutHistory::Record(std::string before, std::string after, int layout_no) {
  if (before == after) return;
  if (states_.empty() || states_[position_] != before) {
    Clear();
    states_.push_back(std::move(before));
  } else {
    states_.resize(position_ + 1);
    layouts_.resize(position_);
  }
  states_.push_back(std::move(after));
  layouts_.push_back(layout_no);
  if (layouts_.size() > static_cast<size_t>(kMaxChanges)) {
    states_.erase(states_.begin());
    layouts_.erase(layouts_.begin());
  }
  position_ = states_.size() - 1;
}

HistoryStep LayoutHistory::Undo(const std::string& dia_path) {
  if (!CanUndo()) return {};
  return MoveTo(position_ - 1, layouts_[position_ - 1], dia_path);
}

HistoryStep LayoutHistory::Redo(const std::string& dia_path) {
  if (!CanRedo()) return {};
  return MoveTo(position_ + 1, layouts_[position_], dia_path);
}

void LayoutHistory::Clear() {
  states_.clear();
  layouts_.clear();
  position_ = 0;
}

void LayoutHistory::ClearIfReplaced(const std::string& dia_path) {
  if (!states_.empty() && !StandsAt(dia_path)) Clear();
}

bool LayoutHistory::StandsAt(const std::string& dia_path) const {
  const std::optional<std::string> current = ReadFileBytes(dia_path, kTableFileLimit);
  return current && *current == states_[position_];
}

HistoryStep LayoutHistory::MoveTo(size_t position, int layout_no, const std::string& dia_path) {
  if (!StandsAt(dia_path)) {
    Clear();
    return {};
  }
  if (const auto reason = WriteFileAtomically(dia_path, states_[position])) {
    return {.layout_no = 0, .error = SaveFailureText({dia_path, *reason})};
  }
  position_ = position;
  return {.layout_no = layout_no, .error = {}};
}

}  // namespace lumora
