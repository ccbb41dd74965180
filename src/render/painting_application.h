#ifndef LUMORA_RENDER_PAINTING_APPLICATION_H_
#define LUMORA_RENDER_PAINTING_APPLICATION_H_

#include <QGuiApplication>
#include <optional>

namespace lumora {

// The Qt application that painting needs, for as long as the value lives: without a display it
// paints offscreen, and Qt's own notes stay off the terminal (its fatal errors are told).
class PaintingApplication {
 public:
  PaintingApplication();

 private:
  int argc_ = 1;
  char name_[11] = "lumora-cli";
  char* argv_[2] = {name_, nullptr};
  std::optional<QGuiApplication> app_;
};

}  // namespace lumora

#endif  // LUMORA_RENDER_PAINTING_APPLICATION_H_
