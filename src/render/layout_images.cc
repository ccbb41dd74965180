#include "render/layout_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "render/painting_application.h"
#include "render/pdf_document.h"

namespace lumora {
namespace {

// An image's pixels are those of a screen at 96 dots per inch: 3780 dots per metre.
constexpr int kScreenDotsPerMetre = 3780;

std::string StringOf(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

std::string LayoutPngBytes(const LoadedResult& result, int layout_no, const LayoutLook& look,
                           int width) {
  PaintingApplication application;
  const int height = LayoutImageHeight(result, layout_no, width);
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(kScreenDotsPerMetre);
  image.setDotsPerMeterY(kScreenDotsPerMetre);
  {
    QPainter painter(&image);
    PaintLayoutImage(painter, QRectF(0, 0, width, height), result, layout_no, look);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return StringOf(bytes);
}

std::string LayoutSvgBytes(const LoadedResult& result, int layout_no, const LayoutLook& look,
                           int width) {
  PaintingApplication application;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  const int height = LayoutImageHeight(result, layout_no, width);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setResolution(96);
  generator.setTitle(QStringLiteral("Layout %1").arg(layout_no));
  QPainter painter(&generator);
  PaintLayoutImage(painter, QRectF(0, 0, width, height), result, layout_no, look);
  painter.end();
  return StringOf(bytes);
}

std::optional<std::string> LayoutPdfBytes(const LayoutPrintJob& job) {
  return PdfDocument("Layouts", [&job](QPdfWriter& writer) {
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    return PrintLayoutPages(writer, job);
  });
}

}  // namespace lumora
