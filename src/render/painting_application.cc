#include "render/painting_application.h"

#include <iostream>

namespace lumora {
namespace {

// Qt's own notes (a missing runtime folder of the offscreen platform ...) are not the
// command's business; its errors are told by the command itself.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << "lumora-cli: " << message.toStdString() << "\n";
}

}  // namespace

PaintingApplication::PaintingApplication() {
  qInstallMessageHandler(QuietQtMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
  app_.emplace(argc_, argv_);
}

}  // namespace lumora
