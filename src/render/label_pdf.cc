#include "render/label_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <QPdfWriter>

#include "render/label_print.h"
#include "render/painting_application.h"

namespace lumora {

std::optional<std::string> LabelPdfBytes(std::string_view label_bytes) {
  PaintingApplication application;
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    SetLabelPageLayout(writer);
    writer.setTitle(QStringLiteral("Labels"));
    writer.setCreator(QStringLiteral("lumora-cli"));
    if (!PrintLabelPages(writer, label_bytes)) return std::nullopt;
  }
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace lumora
