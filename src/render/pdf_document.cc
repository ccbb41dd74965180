#include "render/pdf_document.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <QPdfWriter>

#include "render/painting_application.h"

namespace lumora {

std::optional<std::string> PdfDocument(std::string_view title,
                                       const std::function<bool(QPdfWriter&)>& print) {
  PaintingApplication application;
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    writer.setCreator(QStringLiteral("lumora-cli"));
    if (!print(writer)) return std::nullopt;
  }
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace lumora
