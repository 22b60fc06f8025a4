#include "draw/qt/picture_export.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "draw/qt/painter_replay.h"
#include "fileio/safe_output.h"

namespace kelvane::draw {

namespace {

constexpr char kTitle[] = "Kelvane lens";

// The view's size in pixels at 96 dpi, in device pixels at `dpi`.
int scaled(int viewPixels, int dpi) {
  return static_cast<int>(std::lround(viewPixels * double(dpi) / kViewDpi));
}

int deviceDpi(PictureFormat format, int pngDpi) {
  switch (format) {
    case PictureFormat::Svg:
      return kSvgDpi;
    case PictureFormat::Pdf:
      return kPdfDpi;
    case PictureFormat::Png:
      break;
  }
  return pngDpi;
}

DisplayList pictureList(const PictureRequest& r, int dpi) {
  return lensPicture(r.drawing, scaled(r.viewWidth, dpi), scaled(r.viewHeight, dpi), dpi, dpi,
                     r.options);
}

void paintPicture(QPainter& painter, const DisplayList& list) {
  painter.fillRect(QRect(0, 0, list.width, list.height), Qt::white);
  replay(painter, list, true);
}

ExportOutcome failure(int code, const std::string& message) { return {code, message}; }

// Qt's generator states the size in millimetres; the picture states it in
// inches, exactly.
QByteArray withSizeInInches(QByteArray svg, const DisplayList& list) {
  static const QRegularExpression size(QStringLiteral(R"(width="[^"]*"\s+height="[^"]*")"));
  const QString inches = QStringLiteral(R"(width="%1in" height="%2in")")
                             .arg(list.width / list.dpiX, 0, 'g', 8)
                             .arg(list.height / list.dpiY, 0, 'g', 8);
  QString s = QString::fromUtf8(svg);
  const QRegularExpressionMatch m = size.match(s);
  if (m.hasMatch()) s.replace(m.capturedStart(), m.capturedLength(), inches);
  return s.toUtf8();
}

QByteArray svgBytes(const DisplayList& list) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(list.width, list.height));
  generator.setViewBox(QRect(0, 0, list.width, list.height));
  generator.setResolution(kSvgDpi);
  generator.setTitle(QString::fromLatin1(kTitle));
  QPainter painter(&generator);
  paintPicture(painter, list);
  painter.end();
  return withSizeInInches(buffer.data(), list);
}

QImage listImage(const DisplayList& list, int dpi) {
  QImage image(list.width, list.height, QImage::Format_RGB32);
  if (image.isNull()) return image;  // no memory for it
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter painter(&image);
  paintPicture(painter, list);
  painter.end();
  return image;
}

// The whole file in memory: nothing reaches the disk before it is complete.
QByteArray pngBytes(const DisplayList& list, int dpi) {
  const QImage image = listImage(list, dpi);
  if (image.isNull()) return {};
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  return writer.write(image) ? buffer.data() : QByteArray();
}

QByteArray pdfBytes(const DisplayList& list) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDpi);
    writer.setTitle(QString::fromLatin1(kTitle));
    writer.setCreator(QStringLiteral("Kelvane"));
    const QSizeF points(list.width * 72.0 / list.dpiX, list.height * 72.0 / list.dpiY);
    writer.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    paintPicture(painter, list);
    if (!painter.end()) return {};
  }
  return buffer.data();
}

}  // namespace

QImage pictureImage(const PictureRequest& r) {
  return listImage(pictureList(r, r.pngDpi), r.pngDpi);
}

std::optional<PictureFormat> pictureFormatFor(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "svg") return PictureFormat::Svg;
  if (ext == "png") return PictureFormat::Png;
  if (ext == "pdf") return PictureFormat::Pdf;
  return {};
}

ExportOutcome checkPictureRequest(const std::string& path, const PictureRequest& r) {
  const std::optional<PictureFormat> format = pictureFormatFor(path);
  if (!format)
    return failure(kExportBadInput,
                   "cannot tell the picture type of \"" + path + "\": name it .svg, .png or .pdf");
  const auto side = [](int v) { return v >= 1 && v <= kMaxPicturePixels; };
  if (!side(r.viewWidth) || !side(r.viewHeight))
    return failure(kExportBadInput, "a size of " + std::to_string(r.viewWidth) + "x" +
                                        std::to_string(r.viewHeight) + " is out of range: 1 to " +
                                        std::to_string(kMaxPicturePixels) + " pixels a side");
  if (r.pngDpi < kMinPngDpi || r.pngDpi > kMaxPngDpi)
    return failure(kExportBadInput, "a resolution of " + std::to_string(r.pngDpi) +
                                        " dpi is out of range: " + std::to_string(kMinPngDpi) +
                                        " to " + std::to_string(kMaxPngDpi));
  if (*format == PictureFormat::Png) {
    const int w = scaled(r.viewWidth, r.pngDpi), h = scaled(r.viewHeight, r.pngDpi);
    if (w > kMaxPicturePixels || h > kMaxPicturePixels)
      return failure(kExportBadInput,
                     "at " + std::to_string(r.pngDpi) + " dpi the image would be " +
                         std::to_string(w) + "x" + std::to_string(h) + " pixels, more than " +
                         std::to_string(kMaxPicturePixels) + " a side: lower the resolution");
  }
  return {};
}

ExportOutcome exportPicture(const std::string& path, const PictureRequest& r) {
  if (ExportOutcome bad = checkPictureRequest(path, r); !bad.ok()) return bad;
  const PictureFormat format = *pictureFormatFor(path);
  const DisplayList list = pictureList(r, deviceDpi(format, r.pngDpi));

  QByteArray bytes;
  switch (format) {
    case PictureFormat::Svg:
      bytes = svgBytes(list);
      break;
    case PictureFormat::Png:
      bytes = pngBytes(list, r.pngDpi);
      break;
    case PictureFormat::Pdf:
      bytes = pdfBytes(list);
      break;
  }
  if (bytes.isEmpty()) return failure(kExportWriteFailed, "drawing " + path + " failed: no memory");
  if (const std::optional<std::string> error =
          writeFileWhole(path, std::string_view(bytes.constData(), bytes.size())))
    return failure(kExportWriteFailed, *error);
  return {};
}

}  // namespace kelvane::draw
