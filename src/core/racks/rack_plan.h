#ifndef LUMORA_CORE_RACKS_RACK_PLAN_H_
#define LUMORA_CORE_RACKS_RACK_PLAN_H_

#include <string>
#include <vector>

#include "core/base/unit_and_orn.h"
#include "core/cuts/breakout_order.h"
#include "core/exports/export_tables.h"
#include "core/layouts/loaded_result.h"
#include "core/racks/rack_library.h"
#include "core/reports/weights.h"

// The rack plan: where each piece stands once it leaves the table. Pieces come in breakout
// order and go first fit: into an open slot of their stack or customer that has room, else
// into the first empty slot of a rack that takes their size and their weight; a slot holds the
// pieces of one stack (or one customer) in breakout order, and no rack carries more than its
// load.
namespace lumora {

// What the pieces that share a slot have in common: their stack of the glass line, or for a
// piece in no stack its customer.
struct SlotKey {
  bool stack = false;
  std::string name;

  bool operator==(const SlotKey&) const = default;
};

SlotKey SlotKeyOf(const LoadedResult& result, int glass_index);

struct RackedPiece {
  SheetPiece piece;
  double kg = 0;
  int rack = -1;  // index in the plan's racks; -1 for a piece no rack takes
  int slot = 0;   // 1 .. the rack's slots
  int in_slot = 0;
  std::string why;  // why no rack takes it
};

struct RackLoad {
  int slots_used = 0;
  int pieces = 0;
  double kg = 0;
};

struct RackPlan {
  std::vector<Rack> racks;
  std::vector<RackLoad> loads;  // by rack
  // Every piece of every sheet in breakout order, placed or not.
  std::vector<RackedPiece> pieces;
  int unplaced = 0;
  // Why there is no plan (too many pieces); empty when there is one.
  std::string error;
};

inline constexpr std::string_view kLargerThanEveryRack = "larger than every rack";
inline constexpr std::string_view kNoRackHasRoom = "no rack has room for it";

RackPlan PlanRacks(const LoadedResult& result, const std::vector<Rack>& racks,
                   const Weighing& weighing);

// The plan as tables: "Rack Plan" (a row per placed piece, by rack and slot), "Racks" (the load
// of each rack against its most) and "Not Racked" (the pieces no rack takes, and why).
std::vector<ExportTable> RackPlanTables(const RackPlan& plan, const LoadedResult& result,
                                        Unit unit);

// "RACK     :" name "  SLOT :" slot, or "RACK     :none" for a piece no rack takes.
std::string RackLineOf(const RackPlan& plan, const RackedPiece& piece);

}  // namespace lumora

#endif  // LUMORA_CORE_RACKS_RACK_PLAN_H_
