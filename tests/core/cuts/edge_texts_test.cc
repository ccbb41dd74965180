#include "core/cuts/edge_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

// Texts 40 long and 10 deep at the points; gap 2, so the band starts 6 out (the leg out, then
// two more to the texts) unless a box over the edge moves it.
std::vector<EdgeText> At(const std::vector<float>& points) {
  std::vector<EdgeText> texts;
  for (const float at : points) texts.push_back({at, 40, 10});
  return texts;
}

TEST(EdgeTextsTest, TextsSpreadInOrderAsNearTheirPointsAsTheRoomAllows) {
  struct Case {
    std::string name;
    std::vector<EdgeText> texts;
    EdgeRoom room;
    bool thin_out;
    std::vector<size_t> kept;
    std::vector<float> middles;
    float near_side;
  };
  const EdgeRoom wide{0, 1000, 100, 2, {}};
  // clang-format off
  const std::vector<Case> cases = {
      {"apart: each at its point", At({100, 300, 900}), wide, false, {0, 1, 2}, {100, 300, 900}, 6},
      {"crowded: spread about their mean", {{2140.5f, 60, 10}, {2200, 60, 10}, {2250, 60, 10}},
       {2000, 2400, 100, 2, {}}, false, {0, 1, 2}, {2134.83f, 2196.83f, 2258.83f}, 6},
      {"pairs crowd apart", At({100, 110, 500, 505}), wide, false, {0, 1, 2, 3},
       {84, 126, 481.5f, 523.5f}, 6},
      {"at the ends they keep inside the room", At({1, 999}), wide, false, {0, 1}, {20, 980}, 6},
      {"short ones apart, a long one pushed", {{100, 10, 4}, {115, 10, 4}, {130, 80, 4}}, wide,
       false, {0, 1, 2}, {91.33f, 103.33f, 150.33f}, 6},
      {"too many for the room", At({10, 20, 30, 40, 50}), {0, 130, 100, 2, {}}, false, {}, {}, 0},
      {"the most crowded left out, the ends kept", At({10, 20, 30, 45, 120}),
       {0, 130, 100, 2, {}}, true, {0, 2, 4}, {20, 62, 110}, 6},
      {"a box over the edge moves the band out", At({100}), {0, 1000, 100, 2, {{90, -3, 110, 4}}},
       false, {0}, {100}, 10},
      {"texts keep off a box in the band", At({480, 520, 560}),
       {0, 1000, 100, 2, {{500, 8, 540, 20}}}, false, {0, 1, 2}, {436, 478, 562}, 6},
      {"a full stretch passes its last text on", At({100, 110, 120}),
       {0, 1000, 100, 2, {{100, 8, 900, 20}}}, false, {0, 1, 2}, {36, 78, 922}, 6},
      {"a box in the leaders' way leaves no room", At({100}), {0, 1000, 100, 2, {{500, 3, 540, 5}}},
       true, {}, {}, 0},
      {"a box beyond the band is no matter", At({100}), {0, 1000, 100, 2, {{500, 17, 540, 20}}},
       false, {0}, {100}, 6},
      {"a text passed on does not come back", At({170, 215, 225}),
       {0, 1000, 100, 2, {{102, 8, 148, 20}, {192, 8, 198, 20}, {242, 8, 898, 20}}}, false,
       {0, 1, 2}, {80, 170, 220}, 6},
      {"out of reach", At({100}), {0, 1000, 15, 2, {}}, true, {}, {}, 0},
      {"no texts", {}, wide, true, {}, {}, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::vector<PlacedEdgeText> placed = PlaceEdgeTexts(c.texts, c.room, c.thin_out);
    ASSERT_EQ(placed.size(), c.kept.size()) << c.name;
    for (size_t i = 0; i < placed.size(); ++i) {
      const PlacedEdgeText& text = placed[i];
      const EdgeText& wanted = c.texts[text.index];
      EXPECT_EQ(text.index, c.kept[i]) << c.name;
      EXPECT_NEAR((text.box.x1 + text.box.x2) / 2, c.middles[i], 0.01f) << c.name << " " << i;
      EXPECT_NEAR(text.box.Width(), wanted.length, 1e-3f) << c.name;
      EXPECT_FLOAT_EQ(text.box.y1, c.near_side) << c.name;
      EXPECT_FLOAT_EQ(text.box.Height(), wanted.depth) << c.name;
      EXPECT_TRUE(text.box.x1 >= c.room.low && text.box.x2 <= c.room.high) << c.name;
      // From the point on the edge out to the knee, then to the text.
      EXPECT_TRUE(text.leader[0].x == wanted.at && text.leader[0].y == 0 &&
                  text.leader[1].x == wanted.at && text.leader[2].y == text.box.y1);
      if (i > 0) {
        EXPECT_GE(text.box.x1, placed[i - 1].box.x2 + c.room.gap - 1e-3f) << c.name;
      }
    }
  }
}

}  // namespace
}  // namespace lumora
