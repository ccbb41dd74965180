#ifndef LUMORA_CORE_LAYOUTS_LAYOUT_EDIT_H_
#define LUMORA_CORE_LAYOUTS_LAYOUT_EDIT_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/base/prompter.h"
#include "core/base/unit_and_orn.h"
#include "core/base/workspace.h"
#include "core/engine2d/engine_input.h"
#include "core/engine2d/engine_records.h"
#include "core/layouts/edit_exchange.h"
#include "core/layouts/edit_form.h"
#include "core/layouts/layout_history.h"
#include "core/layouts/layout_hit.h"
#include "core/layouts/loaded_result.h"

// Editing a layout by hand: what a click on the drawing opens, and how the Edit dialog's answer
// is written into the element list and dia.tlf. A piece put onto another, or an edit that
// would leave the layout uncuttable, is asked about; the leftovers are never recomputed,
// keeping them sound is the user's part.
namespace lumora {

inline constexpr std::string_view kEditUnitQuestion =
    "In order to edit the layout current unit need to be MM, Change now ?";
// Followed by "<L1> x <L2> piece at XS <x>, YS <y>. Store it there?".
inline constexpr std::string_view kOverlapQuestionStart = "It would overlap the ";
// Followed by the layout rules broken, one a line, and "Store it anyway?".
inline constexpr std::string_view kEditBreaksRules = "It would break the layout rules:";

// Whether a click on the drawing may go on to edit. In inches the user is asked to
// switch to millimetres first; true then means the caller switches the unit before going on.
enum class EditUnitAnswer { kGoOn, kSwitchToMM, kStop };
EditUnitAnswer AskEditUnit(Unit unit, Prompter& prompter);

// What the Edit dialog works on: the element hit (0 when adding) and, for a new piece, its
// glass size.
struct EditTarget {
  EditMode mode = EditMode::kMove;
  int element = 0;
  int glass = 0;
};

// The edit a hit element opens: a piece is moved, a leftover modified.
EditTarget EditTargetOf(const ElementList& elements, int element);
// The addition an AddNew choice asks for: 0 a balance, g a piece of glass size g; nothing for
// no choice (below 0) or one beyond the glass list.
std::optional<EditTarget> AdditionOf(const GlassList& glasses, int choice);

// Deletes edit.tlf and writes the row the Edit dialog opens with: the element's values, or a
// new element's on the stock of the layout's first element.
std::optional<std::string> WriteEditFile(const Workspace& workspace, const LoadedResult& result,
                                         const LayoutRange& range, const EditTarget& target);

// Writes the edited values into the elements of the layout's range: its full-length cuts are
// spent, a new element is inserted after the layout's last one, and the element takes the
// position, size plus kerf and orientation, with the layout number, Repeat and stock of the
// layout's stock frame. A piece moved to (0, 0) with no size was deleted and stays as a K x K
// leftover. Answers the edited element, or 0 when the range or target is not in the list or
// the list is full.
int ApplyEdit(ElementList& elements, const LayoutRange& range, const EditTarget& target,
              const EditValues& values, float kerf);

// After the Edit dialog closed with edit.tlf in place: applies its values to the result's
// elements, replaces dia.tlf and records the change in the history. A piece that would overlap
// another piece of its layout asks first (default No); else an edit that brings its layout a
// problem a cutter would meet, or one that makes it not the job's, names them and asks (default
// No), and so does an edit of a job that knows its glass line (`job`, when given) that breaks a
// rule of the line, naming the first rule broken. No changes nothing. What a hand edit may
// change of the plan (pieces wanted, leftovers) is not asked: the report marks it. The reason
// when a file could not be read or written; nothing changes then.
std::optional<std::string> CommitEdit(const Workspace& workspace, const LoadedResult& result,
                                      int layout_no, const EditTarget& target,
                                      LayoutHistory& history, Prompter& prompter,
                                      const EngineJob* job = nullptr);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_LAYOUT_EDIT_H_
