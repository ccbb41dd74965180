#include "core/cuts/edge_texts.h"

#include <algorithm>
#include <optional>

namespace lumora {
namespace {

// The least squares fit to the values that never decreases: neighbouring values that run the
// wrong way are pooled into their mean until none do.
std::vector<float> NonDecreasingFit(const std::vector<float>& values) {
  struct Pool {
    double sum;
    int count;
    double Mean() const { return sum / count; }
  };
  std::vector<Pool> pools;
  for (const float value : values) {
    pools.push_back({value, 1});
    while (pools.size() > 1 && pools[pools.size() - 2].Mean() > pools.back().Mean()) {
      pools[pools.size() - 2].sum += pools.back().sum;
      pools[pools.size() - 2].count += pools.back().count;
      pools.pop_back();
    }
  }
  std::vector<float> fit;
  for (const Pool& pool : pools) fit.insert(fit.end(), pool.count, static_cast<float>(pool.Mean()));
  return fit;
}

// The middles of texts along the edge between low and high: as near their points as the order
// and the gaps allow; none when they do not fit.
std::optional<std::vector<float>> Spread(const std::vector<EdgeText>& texts,
                                         const std::vector<size_t>& group, float low, float high,
                                         float gap) {
  if (group.empty()) return std::vector<float>();
  // With offsets[i] the least distance from the first middle to the i-th, the middles less their
  // offsets only have to be in order; the fit of the points less the offsets is the nearest such.
  std::vector<float> offsets(group.size(), 0.0f);
  for (size_t i = 1; i < group.size(); ++i) {
    offsets[i] = offsets[i - 1] + (texts[group[i - 1]].length + texts[group[i]].length) / 2 + gap;
  }
  const float first = low + texts[group.front()].length / 2;
  const float last = high - offsets.back() - texts[group.back()].length / 2;
  if (first > last) return std::nullopt;
  std::vector<float> wanted;
  for (size_t i = 0; i < group.size(); ++i) wanted.push_back(texts[group[i]].at - offsets[i]);
  std::vector<float> middles = NonDecreasingFit(wanted);
  for (size_t i = 0; i < group.size(); ++i) {
    middles[i] = std::clamp(middles[i], first, last) + offsets[i];
  }
  return middles;
}

struct Stretch {
  float low;
  float high;
};

// The stretches of the edge the texts may take: low .. high less what boxes in the band cover.
std::vector<Stretch> FreeStretches(const EdgeRoom& room, const std::vector<Box>& blocking) {
  std::vector<Stretch> free = {{room.low, room.high}};
  for (const Box& box : blocking) {
    std::vector<Stretch> left;
    for (const Stretch& stretch : free) {
      const float cut_low = box.x1 - room.gap;
      const float cut_high = box.x2 + room.gap;
      if (cut_low > stretch.low) left.push_back({stretch.low, std::min(stretch.high, cut_low)});
      if (cut_high < stretch.high) left.push_back({std::max(stretch.low, cut_high), stretch.high});
    }
    free = std::move(left);
  }
  return free;
}

// The middles of the kept texts: each in the stretch nearest its point, and where one has more
// than it holds, its first text goes to the stretch before or its last to the one after,
// whichever is nearer, never back over a boundary texts crossed the other way.
std::optional<std::vector<float>> SpreadOver(const std::vector<EdgeText>& texts,
                                             const std::vector<size_t>& kept,
                                             const std::vector<Stretch>& free, float gap) {
  if (free.empty()) return std::nullopt;
  std::vector<size_t> home;
  for (const size_t k : kept) {
    size_t nearest = 0;
    float distance = 0;
    for (size_t s = 0; s < free.size(); ++s) {
      const float d = std::max({free[s].low - texts[k].at, texts[k].at - free[s].high, 0.0f});
      if (s == 0 || d < distance) {
        nearest = s;
        distance = d;
      }
    }
    home.push_back(nearest);
  }
  // +1 once texts crossed the boundary after stretch s upwards, -1 downwards.
  std::vector<int> crossed(free.size(), 0);
  for (size_t moves = 0; moves <= kept.size() * free.size(); ++moves) {
    std::vector<float> middles;
    std::optional<size_t> full;
    for (size_t s = 0; s < free.size() && !full; ++s) {
      std::vector<size_t> group;
      for (size_t i = 0; i < kept.size(); ++i) {
        if (home[i] == s) group.push_back(kept[i]);
      }
      const auto spread = Spread(texts, group, free[s].low, free[s].high, gap);
      if (spread) {
        middles.insert(middles.end(), spread->begin(), spread->end());
      } else {
        full = s;
      }
    }
    if (!full) return middles;
    const size_t s = *full;
    const auto first = std::find(home.begin(), home.end(), s) - home.begin();
    const auto last = home.rend() - std::find(home.rbegin(), home.rend(), s) - 1;
    const bool down = s > 0 && crossed[s - 1] <= 0;
    const bool up = s + 1 < free.size() && crossed[s] >= 0;
    if (!down && !up) return std::nullopt;
    const float down_cost = down ? texts[kept[first]].at - free[s - 1].high : 0;
    const float up_cost = up ? free[s + 1].low - texts[kept[last]].at : 0;
    if (down && (!up || down_cost <= up_cost)) {
      home[first] = s - 1;
      crossed[s - 1] = -1;
    } else {
      home[last] = s + 1;
      crossed[s] = 1;
    }
  }
  return std::nullopt;
}

// The next text to leave out: of those between the first and the last, the one nearest its
// predecessor; the last when there are only two.
size_t MostCrowded(const std::vector<EdgeText>& texts, const std::vector<size_t>& kept) {
  if (kept.size() <= 2) return kept.size() - 1;
  size_t crowded = 1;
  for (size_t i = 2; i + 1 < kept.size(); ++i) {
    if (texts[kept[i]].at - texts[kept[i - 1]].at <
        texts[kept[crowded]].at - texts[kept[crowded - 1]].at) {
      crowded = i;
    }
  }
  return crowded;
}

}  // namespace

std::vector<PlacedEdgeText> PlaceEdgeTexts(const std::vector<EdgeText>& texts, const EdgeRoom& room,
                                           bool thin_out) {
  if (texts.empty() || !(room.high > room.low)) return {};
  const auto along_band = [&room](const Box& box) {
    return box.x1 < room.high && room.low < box.x2;
  };
  // Boxes over the edge push the band out; they are met nearest the edge first.
  std::vector<Box> taken = room.taken;
  std::sort(taken.begin(), taken.end(), [](const Box& a, const Box& b) { return a.y1 < b.y1; });
  float start = 0;
  for (const Box& box : taken) {
    if (along_band(box) && box.y1 < start + room.gap) start = std::max(start, box.y2);
  }
  const float knee = start + room.gap;
  const float inner = knee + 2 * room.gap;
  float depth = 0;
  for (const EdgeText& text : texts) depth = std::max(depth, text.depth);
  // The leaders need the whole way to the texts; the texts only the stretches no box covers.
  const Box legs{room.low, start, room.high, inner};
  const Box band{room.low, inner, room.high, inner + depth};
  std::vector<Box> blocking;
  for (const Box& box : taken) {
    if (box.Overlaps(legs)) return {};
    if (box.Overlaps(band)) blocking.push_back(box);
  }
  if (band.y2 > room.reach) return {};
  const std::vector<Stretch> free = FreeStretches(room, blocking);

  std::vector<size_t> kept;
  for (size_t i = 0; i < texts.size(); ++i) kept.push_back(i);
  std::optional<std::vector<float>> middles = SpreadOver(texts, kept, free, room.gap);
  while (!middles && thin_out && kept.size() > 1) {
    kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(MostCrowded(texts, kept)));
    middles = SpreadOver(texts, kept, free, room.gap);
  }
  if (!middles) return {};

  std::vector<PlacedEdgeText> placed;
  for (size_t i = 0; i < kept.size(); ++i) {
    const EdgeText& text = texts[kept[i]];
    const float middle = (*middles)[i];
    placed.push_back(
        {kept[i],
         Box{middle - text.length / 2, inner, middle + text.length / 2, inner + text.depth},
         {Point{text.at, 0}, Point{text.at, knee}, Point{middle, inner}}});
  }
  return placed;
}

}  // namespace lumora
