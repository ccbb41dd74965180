#include "cli/progress_bar.h"

#include <algorithm>
#include <string>

#include "core/base/number_text.h"

namespace lumora::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(200);

std::string Bar(int32_t pass, int32_t total) {
  const int64_t filled =
      total > 0 ? std::clamp<int64_t>(static_cast<int64_t>(pass) * kBarWidth / total, 0, kBarWidth)
                : kBarWidth;
  return "[" + std::string(static_cast<size_t>(filled), '#') +
         std::string(static_cast<size_t>(kBarWidth - filled), '.') + "]";
}

}  // namespace

void ProgressBar::Update(const ProgressFigures& figures) {
  const auto now = std::chrono::steady_clock::now();
  if (drawn_ && figures.pass < figures.total && now - last_draw_ < kRedrawInterval) return;
  last_draw_ = now;
  drawn_ = true;
  out_ << "\r" << Bar(figures.pass, figures.total) << " " << GeneralText(figures.pass) << "/"
       << GeneralText(figures.total) << " passes  " << GeneralText(figures.improvements)
       << " improvements  yield " << figures.yield << "  elapsed " << figures.elapsed
       << "  remaining " << figures.remaining << "\x1b[K" << std::flush;
}

void ProgressBar::Finish() {
  if (drawn_) out_ << "\n" << std::flush;
}

}  // namespace lumora::cli
