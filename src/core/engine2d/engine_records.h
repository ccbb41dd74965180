#ifndef LUMORA_CORE_ENGINE2D_ENGINE_RECORDS_H_
#define LUMORA_CORE_ENGINE2D_ENGINE_RECORDS_H_

#include <string>

#include "core/base/unit_and_orn.h"
#include "core/engine2d/one_based_list.h"

namespace lumora {

// Row 1 of the Basic Details grid. Lengths in millimetres.
struct BasicDetails {
  std::string item;
  std::string grade;
  float thick = 0;
  float blade = 0;  // largest stock side the run accepts
  float min_cut = 0;
  float kerf = 0;
  std::string note;
  float t_mm = 0;  // tolerance, the source of the trim allowance
  float b_mm = 0;  // smallest side a sheet-mode leftover may have
  float l1_mm = 0;
  float l2_mm = 0;
};

// One usable stock (sheet or coil) size. L1 runs along Y and L2 along X in engine coordinates.
struct StockRecord {
  float l1 = 0;
  float l2 = 0;
  std::string l1_in;
  std::string l2_in;
  float qty = 0;
  float m_l = 0;
  float m_t = 0;
  float m_r = 0;
  float m_b = 0;
  float cp_sft = 0;
  // The sizes as read, which RemoveKerf restores: subtracting the kerf again would not always
  // give them back to the bit.
  float l1_as_read = 0;
  float l2_as_read = 0;
  // The Sheet grid row it was read from; 0 when it came from another list.
  int grid_row = 0;
};

// One wanted glass size, fields in the order the glass input file keeps them.
struct GlassRecord {
  float l1 = 0;
  float l2 = 0;
  std::string l1_in;
  std::string l2_in;
  float qty = 0;
  Orn orn = Orn::kEither;
  std::string customer;
  std::string chl1_in;
  std::string chl2_in;
  std::string ac;
  std::string site;
  std::string sr_no;
  std::string ref;
  std::string from;
  float sp_sft = 0;
  std::string address;
  float l1_as_read = 0;
  float l2_as_read = 0;
  // The Glass grid row it was read from; 0 when it came from another list.
  int grid_row = 0;
};

using StockList = OneBasedList<StockRecord>;
using GlassList = OneBasedList<GlassRecord>;
// The quantities of a stock or glass list by the same indices: the working copies a pass and a
// candidate change, while sizes and texts stay in the prepared lists.
using QuantityList = OneBasedList<float>;

enum class Objective { kNone = 0, kMaximumYield = 1, kMinimumLayouts = 2 };

// Element kinds; a positive kind is a placed piece and names its glass index.
inline constexpr int kStockFrame = -1;
inline constexpr int kMarginStrip = -2;
inline constexpr int kSpent = -3;
inline constexpr int kFreeRect = -4;
inline constexpr int kNoFit = -5;
inline constexpr int kFullCut = -6;

// The one record of all layout data. Orientation 1 lays a piece's L2 along X, 2 its L1.
struct LayoutElement {
  int layout_no = 0;
  int kind = 0;
  int stock_index = 0;
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;
  float repeat = 0;
  int orientation = 0;

  bool operator==(const LayoutElement&) const = default;
};

using ElementList = OneBasedList<LayoutElement>;

// Lists, counts and indices of the data model stay within this bound.
inline constexpr int kMaxListCount = 32767;

// The working quantities of a prepared list.
QuantityList StockQuantities(const StockList& stocks);
QuantityList GlassQuantities(const GlassList& glasses);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_ENGINE_RECORDS_H_
