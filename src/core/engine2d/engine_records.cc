#include "core/engine2d/engine_records.h"

namespace lumora {
namespace {

template <typename List>
QuantityList QuantitiesOf(const List& list) {
  QuantityList quantities;
  quantities.Reserve(list.Count());
  for (const auto& record : list) quantities.Append(record.qty);
  return quantities;
}

}  // namespace

QuantityList StockQuantities(const StockList& stocks) { return QuantitiesOf(stocks); }

QuantityList GlassQuantities(const GlassList& glasses) { return QuantitiesOf(glasses); }

}  // namespace lumora
