#include "gui/shell/notices.h"

#include "core/version.h"

namespace lumora {

void TellNotAvailable(Prompter& prompter, const QString& what) {
  prompter.Ask({.title = kApplicationTitle,
                .text = (what + QStringLiteral(" is not available yet.")).toStdString(),
                .icon = PromptIcon::kInformation,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
}

}  // namespace lumora
