#include "core/racks/rack_plan.h"

#include <cstdint>

#include "core/base/number_text.h"

namespace lumora {
namespace {

struct Slot {
  SlotKey key;
  int pieces = 0;
};

// Racks being filled: their slots and loads as pieces come.
class RackFill {
 public:
  explicit RackFill(const std::vector<Rack>& racks) : racks_(racks), loads_(racks.size()) {
    for (const Rack& rack : racks) slots_.emplace_back(static_cast<size_t>(rack.slot_count));
  }

  // Puts the piece into an open slot of its key, else into the first empty slot that can take
  // it; says why when there is none.
  void Place(RackedPiece& racked, const GlassRecord& glass, const SlotKey& key) {
    bool size_fits = false;
    for (const bool opening : {false, true}) {
      for (size_t r = 0; r < racks_.size(); ++r) {
        const Rack& rack = racks_[r];
        if (!rack.Takes(glass.l1, glass.l2)) continue;
        size_fits = true;
        if (loads_[r].kg + racked.kg > rack.most_kg) continue;
        for (size_t s = 0; s < slots_[r].size(); ++s) {
          Slot& slot = slots_[r][s];
          const bool fits =
              opening ? slot.pieces == 0
                      : slot.pieces > 0 && slot.key == key && slot.pieces < rack.pieces_per_slot;
          if (!fits) continue;
          if (slot.pieces == 0) ++loads_[r].slots_used;
          slot.key = key;
          racked.rack = static_cast<int>(r);
          racked.slot = static_cast<int>(s) + 1;
          racked.in_slot = ++slot.pieces;
          ++loads_[r].pieces;
          loads_[r].kg += racked.kg;
          return;
        }
      }
    }
    racked.why = std::string(size_fits ? kNoRackHasRoom : kLargerThanEveryRack);
  }

  std::vector<RackLoad> TakeLoads() { return std::move(loads_); }

 private:
  const std::vector<Rack>& racks_;
  std::vector<RackLoad> loads_;
  std::vector<std::vector<Slot>> slots_;
};

}  // namespace

SlotKey SlotKeyOf(const LoadedResult& result, int glass_index) {
  if (result.stacks.Contains(glass_index) && !result.stacks[glass_index].empty()) {
    return {true, result.stacks[glass_index]};
  }
  return {false, result.glasses[glass_index].customer};
}

RackPlan PlanRacks(const LoadedResult& result, const std::vector<Rack>& racks,
                   const Weighing& weighing) {
  RackPlan plan;
  plan.racks = racks;
  RackFill fill(plan.racks);
  const bool all = ForEachSheetPiece(result, PieceOrder::kBreakout, [&](const SheetPiece& piece) {
    if (static_cast<int64_t>(plan.pieces.size()) == kMostListedPieces) return false;
    const GlassRecord& glass = result.glasses[piece.glass_index];
    RackedPiece racked;
    racked.piece = piece;
    racked.kg = weighing.Kg(glass.l1, glass.l2);
    fill.Place(racked, glass, SlotKeyOf(result, piece.glass_index));
    if (racked.rack < 0) ++plan.unplaced;
    plan.pieces.push_back(std::move(racked));
    return true;
  });
  plan.loads = fill.TakeLoads();
  if (!all) {
    plan = RackPlan{};
    plan.error = TooManyPiecesText();
  }
  return plan;
}

std::vector<ExportTable> RackPlanTables(const RackPlan& plan, const LoadedResult& result,
                                        Unit unit) {
  std::vector<std::string> headers = {"Rack", "Slot", "In Slot"};
  for (const std::string& header : PieceHeaders(unit)) headers.push_back(header);
  ExportTable placed{"Rack Plan", headers, {}};
  headers.erase(headers.begin(), headers.begin() + 3);
  headers.push_back("Why");
  ExportTable unplaced{"Not Racked", headers, {}};
  // By rack and slot, each slot's pieces in breakout order.
  std::vector<std::vector<std::vector<const RackedPiece*>>> slots(plan.racks.size());
  for (size_t r = 0; r < plan.racks.size(); ++r) {
    slots[r].resize(static_cast<size_t>(plan.racks[r].slot_count));
  }
  for (const RackedPiece& racked : plan.pieces) {
    std::vector<ExportCell> cells = PieceCells(result, racked.piece, unit, racked.kg);
    if (racked.rack < 0) {
      cells.push_back(TextCell(racked.why));
      unplaced.rows.push_back(std::move(cells));
    } else {
      slots[static_cast<size_t>(racked.rack)][static_cast<size_t>(racked.slot - 1)].push_back(
          &racked);
    }
  }
  for (size_t r = 0; r < slots.size(); ++r) {
    for (const auto& slot : slots[r]) {
      for (const RackedPiece* racked : slot) {
        std::vector<ExportCell> cells = {TextCell(plan.racks[r].name), WholeCell(racked->slot),
                                         WholeCell(racked->in_slot)};
        for (ExportCell& cell : PieceCells(result, racked->piece, unit, racked->kg)) {
          cells.push_back(std::move(cell));
        }
        placed.rows.push_back(std::move(cells));
      }
    }
  }
  ExportTable loads{
      "Racks", {"Rack", "Slots", "Slots Used", "Pieces", "Load(kg)", "Most Load(kg)"}, {}};
  for (size_t r = 0; r < plan.racks.size(); ++r) {
    const Rack& rack = plan.racks[r];
    const RackLoad& load = plan.loads[r];
    loads.rows.push_back({TextCell(rack.name), WholeCell(rack.slot_count),
                          WholeCell(load.slots_used), WholeCell(load.pieces),
                          TwoDecimalsCell(load.kg), TwoDecimalsCell(rack.most_kg)});
  }
  return {placed, loads, unplaced};
}

std::string RackLineOf(const RackPlan& plan, const RackedPiece& piece) {
  if (piece.rack < 0) return "RACK     :none";
  return "RACK     :" + plan.racks[static_cast<size_t>(piece.rack)].name +
         "  SLOT :" + GeneralText(piece.slot);
}

}  // namespace lumora
