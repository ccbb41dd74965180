#ifndef LUMORA_CORE_ENGINE2D_EDGE_SPAN_H_
#define LUMORA_CORE_ENGINE2D_EDGE_SPAN_H_

// Extents of layout elements along one axis, as cuts and leftovers are reasoned about.
namespace lumora {

// Edges closer than this are one edge: hand-edited pieces are placed to a hundredth of a
// millimetre at best, and float sums of a long row drift by less.
inline constexpr float kSameEdge = 0.01f;

// An extent along one axis, from lo to hi.
struct Span {
  float lo = 0;
  float hi = 0;
};

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_EDGE_SPAN_H_
