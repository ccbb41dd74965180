#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_HISTORY_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_HISTORY_H_

#include <string>
#include <vector>

// Undo and redo of the changes made to the layouts of the open job: the bytes of dia.tlf before
// and after each confirmed edit and each kept alternate arrangement.
namespace lumora {

// What an undo or a redo did.
struct HistoryStep {
  int layout_no = 0;  // the layout to show; 0 when dia.tlf was not changed
  std::string error;  // "Could not save <file>: <reason>"
};

class LayoutHistory {
 public:
  // The oldest changes are forgotten beyond this many.
  static constexpr int kMaxChanges = 100;

  // Records that dia.tlf went from `before` to `after` by a change on layout n. Changes that had
  // been undone are forgotten; a change that does not start where the history ends starts a
  // new history; a change that changed nothing is not recorded.
  void Record(std::string before, std::string after, int layout_no);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ + 1 < states_.size(); }

  // Writes dia.tlf back as it was before the last change (after the next undone change), and
  // answers the layout that change was made on. When dia.tlf no longer holds the state the
  // history stands at, something else has replaced the layouts: the history is cleared and
  // dia.tlf is left alone.
  HistoryStep Undo(const std::string& dia_path);
  HistoryStep Redo(const std::string& dia_path);

  // Forgets every change (when the layouts are dropped).
  void Clear();
  // Clears the history when dia.tlf no longer holds the state it stands at: a new
  // optimization or another job has replaced the layouts.
  void ClearIfReplaced(const std::string& dia_path);

 private:
  HistoryStep MoveTo(size_t position, int layout_no, const std::string& dia_path);
  bool StandsAt(const std::string& dia_path) const;

  // states_[i + 1] came from states_[i] by a change on layouts_[i].
  std::vector<std::string> states_;
  std::vector<int> layouts_;
  size_t position_ = 0;  // the state dia.tlf holds
};

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_HISTORY_H_
