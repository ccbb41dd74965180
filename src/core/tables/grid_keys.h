#ifndef LUMORA_CORE_TABLES_GRID_KEYS_H_
#define LUMORA_CORE_TABLES_GRID_KEYS_H_

#include <string_view>

#include "core/base/unit_and_orn.h"
#include "core/tables/grid.h"

// The key rules every grid window applies to its grid's current cell: which keys a column takes,
// how Delete, Backspace and Enter behave. The grid takes keys itself; there is no cell editor.
namespace lumora {

// Key codes and characters the rules name, as the desktop's key events carry them.
inline constexpr int kKeyDelete = 46;
inline constexpr char kKeyBackspace = 8;
inline constexpr char kKeyEnter = 13;

enum class KeyAction {
  kPass,      // the grid handles the key as it would without the rules
  kSwallow,   // the key goes no further
  kAccept,    // the window appends `character` to the current cell
  kOpenList,  // the key is swallowed; the window beeps and opens the column's choice list
};

struct KeyOutcome {
  KeyAction action = KeyAction::kPass;
  // kAccept: the key's character in upper case.
  char character = 0;
  // The rules changed the current cell's text.
  bool cell_changed = false;
  // The rules set the job changed flag.
  bool job_changed = false;
};

// The key-down rules: every key in a "UNIT" column is swallowed; Delete empties the current cell
// of a typed or listed column.
KeyOutcome GridKeyDown(Grid& grid, int key_code);

// The key-press rules for one character: toggles the "UNIT" and "MOVE" cells, removes the last
// character on Backspace, asks for the list in list columns, and otherwise accepts the key when
// the column's kind and maximum length allow it. A cell outside the data area takes no keys.
KeyOutcome GridKeyPress(Grid& grid, char key);

// GridKeyPress, then the accepted character appended to the current cell and, in grids that take
// new rows, an input row added once the last row holds text.
KeyOutcome TypeKey(Grid& grid, char key, bool takes_new_rows);

// The move setting of misc.set: whether Enter after QTY goes right ("FULL") or to the next row
// ("HALF"); any other text does neither.
enum class MoveSetting { kOther, kFull, kHalf };
MoveSetting ReadMoveSetting(std::string_view text);

// What Enter navigation needs to know besides the grid.
struct EnterContext {
  // The window's name: "SHEET" and "CUT" follow the unit and move settings.
  std::string_view window;
  Unit unit_setting = Unit::kOther;
  MoveSetting move_setting = MoveSetting::kOther;
};

struct CellPosition {
  int row = 1;
  int col = 1;
  bool operator==(const CellPosition&) const = default;
};

// The cell Enter moves the current cell to. Moves go over visible columns only; Right in the
// last visible column and Down in the last row stay where they are.
CellPosition EnterNavigation(const Grid& grid, const EnterContext& context);

// Visible data columns (nonzero width). Each answers `col` itself when there is none to go to.
int FirstVisibleColumn(const Grid& grid, int col);
int LastVisibleColumn(const Grid& grid, int col);
int NextVisibleColumn(const Grid& grid, int col);
int PreviousVisibleColumn(const Grid& grid, int col);

}  // namespace lumora

#endif  // LUMORA_CORE_TABLES_GRID_KEYS_H_
