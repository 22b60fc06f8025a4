// Printing: a PDF "printer" at 1200 dpi gets one page named "FormFeed" on
// which 100 lens units measure one inch, with the ingress vertex at one
// eighth of the printable width; cancelling the print dialog prints nothing.
#include "lensui/lens_print.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "lens_test_support.h"
#include "lensui/lens_control.h"

namespace kelvane {
namespace {

// The inflated content streams of a PDF file, one after another.
QByteArray pdfContent(const QByteArray& pdf) {
  QByteArray all;
  qsizetype pos = 0;
  while ((pos = pdf.indexOf("stream", pos)) >= 0) {
    qsizetype start = pos + 6;
    if (pdf.mid(start, 2) == "\r\n")
      start += 2;
    else if (pdf.at(start) == '\n')
      start += 1;
    const qsizetype end = pdf.indexOf("endstream", start);
    if (end < 0) break;
    const QByteArray raw = pdf.mid(start, end - start);
    QByteArray out(1 << 22, '\0');
    uLongf outLen = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &outLen,
                   reinterpret_cast<const Bytef*>(raw.constData()), raw.size()) == Z_OK) {
      all += out.left(outLen);
      all += '\n';
    }
    pos = end + 9;
  }
  return all;
}

struct Matrix {
  double a, d, e, f;
};

// Every "a 0 0 d e f cm" of the content, in order.
std::vector<Matrix> cmOperators(const QByteArray& content) {
  std::vector<Matrix> out;
  static const QRegularExpression re(
      QStringLiteral(R"(([-0-9.]+) 0 0 ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) cm)"));
  auto it = re.globalMatch(QString::fromLatin1(content));
  while (it.hasNext()) {
    const auto m = it.next();
    out.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                   m.captured(4).toDouble()});
  }
  return out;
}

class LensPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::resetLensSession();
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    setPrintChooser(nullptr);
    test::resetLensSession();
  }
  QTemporaryDir dir;
};

QString g_pdfPath;  // where the test chooser sends the page

bool choosePdf(QPrinter& printer, QWidget*) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(g_pdfPath);
  printer.setResolution(1200);
  return true;
}

bool cancel(QPrinter&, QWidget*) { return false; }

TEST_F(LensPrintTest, PdfAt1200DpiPrintsTrueScaleOnOnePage) {
  g_pdfPath = dir.filePath("lens.pdf");
  setPrintChooser(&choosePdf);
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  view->command(IDM_LENS_PRINT);

  QFile file(g_pdfPath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1) << "one page";
  // The document name, as the PDF title (Qt writes it in UTF-16).
  EXPECT_TRUE(pdf.contains(QByteArray("/Title (\xFE\xFF\0F\0o\0r\0m\0F\0e\0e\0d)", 26)));

  const QByteArray content = pdfContent(pdf);
  const std::vector<Matrix> cms = cmOperators(content);
  ASSERT_GE(cms.size(), 2u) << content.left(400).constData();
  // Page points per device pixel, then device pixels per lens unit: their
  // product is points per lens unit. 100 units must be 72 points, one inch.
  const Matrix page = cms[0];
  const Matrix lens = cms[1];
  EXPECT_NEAR(page.a * lens.a * 100, 72.0, 1e-6);
  EXPECT_NEAR(page.d * lens.d * 100, 72.0, 1e-6);  // both flip: y grows upward
  EXPECT_NEAR(lens.a, 12.0, 1e-9);                 // 1200 dpi / 100
  // The ingress vertex: one eighth of the printable width, half its height.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(1200);
  const QRect area = printer.pageLayout().paintRectPixels(1200);
  EXPECT_EQ(lens.e, area.width() / 8);
  EXPECT_EQ(lens.f, area.height() / 2);
  // The depth line, 112 units from the vertex along the axis, in its colour.
  EXPECT_TRUE(content.contains("0.800000011 0.200000002 0.925490200 SCN"));
  EXPECT_TRUE(content.contains("0 0 m\n112 0 l"));
  delete view;
}

TEST_F(LensPrintTest, CancellingPrintsNothing) {
  g_pdfPath = dir.filePath("never.pdf");
  setPrintChooser(&cancel);
  LensWnd* view = openLensView(nullptr, kSingleBeamMode);
  view->command(IDM_LENS_PRINT);
  EXPECT_FALSE(QFile::exists(g_pdfPath));
  delete view;
}

}  // namespace
}  // namespace kelvane
