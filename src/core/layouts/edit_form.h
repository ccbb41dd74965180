#ifndef LUMORA_CORE_LAYOUTS_EDIT_FORM_H_
#define LUMORA_CORE_LAYOUTS_EDIT_FORM_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/prompter.h"
#include "core/base/workspace.h"
#include "core/tables/grid.h"

// The Edit dialog without its window: the one-row grid over edit.tlf, what each mode shows, the
// orientation rule and what its three buttons do.
namespace lumora {

enum class EditMode {
  kMove,           // a piece was hit
  kModify,         // a leftover was hit
  kAddBalance,     // a new leftover
  kAddGlassPiece,  // a new piece
};

// The grid's data columns, in the order of edit.tlf.
namespace edit_col {
inline constexpr int kXs = 1;
inline constexpr int kYs = 2;
inline constexpr int kDimX = 3;
inline constexpr int kDimY = 4;
inline constexpr int kOrn = 5;
inline constexpr int kLength = 6;
inline constexpr int kWidth = 7;
}  // namespace edit_col

inline constexpr std::array<std::string_view, 4> kEditHelpLines = {
    "Note:", "XS and YS are Coordinates of the LEFT-TOP corner",
    "DIM-X (Horizontal) and DIM-Y (Vertical) are the Dimensions",
    "ORN  (1 or 2) is the Orientation"};
inline constexpr std::array<std::string_view, 3> kEditButtonCaptions = {"Cancel", "Delete",
                                                                        "Resize"};
inline constexpr std::string_view kEditDesignCaption = "Delete / Resize Existing Balance";
inline constexpr std::string_view kOutOfLengthMessage = "Out of sheet length ";
inline constexpr std::string_view kOutOfWidthMessage = "Out of sheet width ";

// How the dialog looks in a mode: its caption, the caption of button 2, whether "Delete" is
// enabled, the columns and the help line it hides.
struct EditModeLayout {
  std::string_view caption;
  std::string_view confirm_caption;
  bool delete_enabled = true;
  std::array<int, 2> hidden_columns{};  // 0 where there is no second one
  int hidden_help_line = 0;
};
EditModeLayout LayoutOfEditMode(EditMode mode);

// The help topic a caption leads to: 38 for the glass-piece captions, 39 for the others.
int EditHelpTopic(std::string_view caption);

// The dialog's state while it is open.
struct EditForm {
  Grid grid;  // Tag: the file the grid is stored to when the dialog closes
  std::string caption;
  std::array<std::string, 3> button_captions;
  bool delete_enabled = true;
  std::array<bool, 4> help_line_visible{true, true, true, true};
  int help_topic = 0;
  std::string cancel_file;  // edit.tmp
};

// The dialog as the Layouts window opens it in a mode: the seven columns over the workspace's
// edit.tlf, at most one data row, the number column, LENGTH, WIDTH and the mode's columns
// hidden, and the orientation rule applied.
EditForm OpenEditForm(EditMode mode, const Workspace& workspace);

// The orientation rule, applied after loading and after every key in the grid, while ORN is
// shown: ORN 1 puts the smaller of DIM-X and DIM-Y across, ORN 2 the larger; the sizes are
// written back as general numbers. Other ORN values change nothing.
void ApplyOrnRule(Grid& grid);

enum class EditButton { kCancel = 0, kDelete = 1, kConfirm = 2 };

struct EditButtonOutcome {
  bool close = false;
  bool job_changed = false;  // the job changed flag is to be set
};

// A button: empty cells become "0" and ORN follows DIM-X <= DIM-Y (1) or not (2). Cancel binds
// the grid to edit.tmp and deletes edit.tlf; Delete zeroes the position, size and ORN; the
// third button refuses a position outside the stock ("<LENGTH>Out of sheet length ", then
// "<WIDTH>Out of sheet width ") and keeps the dialog open.
EditButtonOutcome PressEditButton(EditForm& form, EditButton button, Prompter& prompter);

// Closing the dialog, by a button or the window's own close: the grid is stored to the file it
// is bound to. The reason when storing failed.
std::optional<std::string> CloseEditForm(const EditForm& form);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_EDIT_FORM_H_
