#ifndef LUMORA_CORE_CUTS_EDGE_TEXTS_H_
#define LUMORA_CORE_CUTS_EDGE_TEXTS_H_

#include <array>
#include <cstddef>
#include <vector>

#include "core/layouts/layout_canvas.h"

// Texts that name points of a sheet edge (the positions of the cuts), set in one band beside the
// edge: each as near its point as the others leave room for, in the points' order, and joined to
// its point by a leader that crosses no other. Spreading the texts is an isotonic regression of
// their wanted places, solved by the pool adjacent violators algorithm (M. Ayer, H. D. Brunk,
// G. M. Ewing, W. T. Reid, E. Silverman: "An empirical distribution function for sampling with
// incomplete information", Annals of Mathematical Statistics 26 (1955) 641-647).
//
// Everything here is in the edge's own terms: x runs along the edge, y away from it (0 on the
// edge, growing outwards).
namespace lumora {

struct EdgeText {
  float at = 0;      // the point named
  float length = 0;  // along the edge
  float depth = 0;   // away from it
};

struct EdgeRoom {
  // The texts stay between low and high along the edge, and within reach of it.
  float low = 0;
  float high = 0;
  float reach = 0;
  // Between neighbouring texts; the leaders' legs are as long.
  float gap = 0;
  // What was drawn before. A box over the edge itself moves the band out beyond it; the texts
  // keep off the stretches of the edge that boxes in the band cover (each text in the free
  // stretch nearest its point, unless that one is full); a box in the leaders' way leaves the
  // band no room.
  std::vector<Box> taken;
};

struct PlacedEdgeText {
  size_t index = 0;  // into the texts
  Box box;
  // From the point on the edge straight out, then to the middle of the text's near side.
  std::array<Point, 3> leader;
};

// Places texts given in the order of their points. Empty when they do not all fit, or, with
// `thin_out`, the most crowded ones are left out until the others fit (the first and the last
// point are kept longest); empty too when the band itself has no room.
std::vector<PlacedEdgeText> PlaceEdgeTexts(const std::vector<EdgeText>& texts, const EdgeRoom& room,
                                           bool thin_out);

}  // namespace lumora

#endif  // LUMORA_CORE_CUTS_EDGE_TEXTS_H_
