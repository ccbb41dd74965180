#ifndef LUMORA_CORE_LAYOUTS_EDIT_EXCHANGE_H_
#define LUMORA_CORE_LAYOUTS_EDIT_EXCHANGE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/prompter.h"
#include "core/engine2d/engine_records.h"
#include "core/layouts/loaded_result.h"

// The working files through which the Layouts window and its two edit dialogs talk: edit.tlf
// (the one row of the Edit dialog), edit.tmp (where a cancelled dialog stores its grid) and
// addnew.lst (what can be added to a layout).
namespace lumora {

inline constexpr std::string_view kEditFileName = "edit.tlf";
inline constexpr std::string_view kEditCancelFileName = "edit.tmp";
inline constexpr std::string_view kAddNewFileName = "addnew.lst";

// The row of edit.tlf: the element's top-left corner, its size without the kerf, its
// orientation, and the size (L1, L2) of the stock it lies on.
struct EditRow {
  float xs = 0;
  float ys = 0;
  float dim_x = 0;
  float dim_y = 0;
  float orn = 0;
  float length = 0;
  float width = 0;
};

// The row for a piece or leftover of the result's elements.
EditRow EditRowOf(const LoadedResult& result, int element);
// The rows for a new balance or a new piece of glass size `glass` (ORN as the glass size
// wants it, 1 when either will do) on the stock of the layout's first element.
EditRow NewBalanceRow(const LoadedResult& result, int first);
EditRow NewGlassPieceRow(const LoadedResult& result, int first, int glass);

// The row as the Layouts window writes it: seven general numbers, comma-separated, CR LF.
std::string EditRowBytes(const EditRow& row);
// Deletes edit.tlf and writes the row into it; the reason when writing failed.
std::optional<std::string> WriteEditRow(const std::string& path, const EditRow& row);

// What the Layouts window reads back: the first five values of the file, quoted or not, by the
// leading-number rule; missing values read 0.
struct EditValues {
  float xs = 0;
  float ys = 0;
  float dim_x = 0;
  float dim_y = 0;
  float orn = 0;
};
EditValues ReadEditValues(std::string_view bytes);

// The AddNew dialog's heading over its list.
inline constexpr std::string_view kAddNewCaption =
    "What would you like to add to the existing layout?";
inline constexpr std::string_view kAddNewHeader =
    "TYPE         L1 (MM)      L2 (MM)   CUSTOMER       SR.No";
inline constexpr std::string_view kNothingSelectedMessage = "You have not selected any item";

// addnew.lst: "Balance", then one line per glass size with its L1, L2, CUSTOMER and SR.NO in
// columns. Every entry stays on one line, so that a line's position (0 for the balance, i for
// glass size i) names the choice.
std::string AddNewListBytes(const GlassList& glasses);
// The lines of addnew.lst as the dialog lists them.
std::vector<std::string> AddNewLines(std::string_view bytes);
// "Next" in the AddNew dialog: the position of the selected line (-1 for none), or nothing
// after telling that no line is selected.
std::optional<int> AddNewChoice(int selected_line, Prompter& prompter);

}  // namespace lumora

#endif  // LUMORA_CORE_LAYOUTS_EDIT_EXCHANGE_H_
