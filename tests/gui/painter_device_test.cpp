// The QPainter drawing device and the PDF and PNG sheet printers, offscreen.

#include "drawing/gui/painter_device.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <optional>

#include "drawing/cls_graphic.h"
#include "drawing/cross_sheet.h"
#include "drawing/gui/pdf_sheet_printer.h"
#include "drawing/gui/png_sheet_printer.h"
#include "drawing/print_sheets.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::TempFolder;

// A 200 x 100 image showing the user rectangle x 0..20, y 10 down to 0 (y upwards).
class PainterDeviceTest : public ::testing::Test {
 protected:
  PainterDeviceTest() : image(200, 100, QImage::Format_RGB32) {
    image.fill(Qt::white);
    painter.begin(&image);
    device.emplace(painter, QRectF(0, 0, 200, 100), 96);
    graphic.SetObject(*device);
    graphic.Scale = {0, 10, 20, -10};
    graphic.SetScale();
  }
  QColor At(int x, int y) {
    if (painter.isActive()) {
      painter.end();
    }
    return image.pixelColor(x, y);
  }
  int DarkPixelsInRows(int fromRow, int toRow) {
    if (painter.isActive()) {
      painter.end();
    }
    int dark = 0;
    for (int y = fromRow; y < toRow; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        dark += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
      }
    }
    return dark;
  }

  QImage image;
  QPainter painter;
  std::optional<PainterDevice> device;
  clsGraphic graphic;
};

TEST_F(PainterDeviceTest, LinesInPaletteColoursAtTheirUserCoordinates) {
  graphic.SetDrawWidth(0);             // drawn as 1
  graphic.DrawLine(0, 5, 20, 5, 4);    // red across the middle
  graphic.DrawLine(10, 0, 10, 10, 1);  // blue down the centre
  EXPECT_EQ(At(50, 50), PaletteColour(4));
  EXPECT_EQ(At(100, 20), PaletteColour(1));
  EXPECT_EQ(At(50, 20), QColor(Qt::white));
  EXPECT_EQ(PaletteColour(99), QColor(Qt::black));  // beyond the palette
}

TEST_F(PainterDeviceTest, SizeInTwipsAndFontsSizedAsOnPaper) {
  EXPECT_DOUBLE_EQ(graphic.Width(), 200 / 96.0 * 1440);
  EXPECT_DOUBLE_EQ(graphic.Height(), 100 / 96.0 * 1440);
  graphic.SetFontName("DejaVu Sans Mono");
  graphic.SetFontSize(14.4f);  // one user unit high: 10 pixels
  const double width = graphic.TextWidth("MMMMMMMMMM");
  EXPECT_GT(width, 3);
  EXPECT_LT(width, 10);
  graphic.SetFontSize(28.8f);
  EXPECT_NEAR(graphic.TextWidth("MMMMMMMMMM"), 2 * width, 0.5);
}

TEST_F(PainterDeviceTest, TextHangsBelowItsTopLeftCorner) {
  graphic.SetFontSize(28.8f);               // 20 pixels
  graphic.DrawText(2, 6, "Cut : 1.00 m2");  // top at row 40
  EXPECT_EQ(DarkPixelsInRows(0, 38), 0);
  EXPECT_GT(DarkPixelsInRows(40, 62), 20);
}

TEST_F(PainterDeviceTest, TinyFontsDrawNothingAndMeasureZero) {
  graphic.SetFontSize(0);
  graphic.DrawText(2, 6, "x");
  EXPECT_DOUBLE_EQ(graphic.TextWidth("x"), 0);
  EXPECT_EQ(DarkPixelsInRows(0, 100), 0);
}

TEST(SheetPrinters, PdfAppearsWhenCompleteAndImagesOnePerSheet) {
  testing::RecordingDialogs dialogs;
  testing::Road road(testing::SampleRoad());
  const TempFolder& folder = road.folder;
  CrossSheet sheets(road.state, dialogs);
  SilentProgress progress;
  {
    PdfSheetPrinter pdf(folder / "road.pdf", SheetSizeOf(PageFormat::A4, false));
    EXPECT_EQ(PrintSheets(sheets, {}, pdf, progress), 3);
  }
  EXPECT_EQ(testing::ReadText(folder / "road.pdf").rfind("%PDF", 0), 0u);
  EXPECT_EQ(sheets.Graphic.Object(), nullptr);
  EXPECT_FLOAT_EQ(sheets.PenFactor, 1);

  {
    PdfSheetPrinter unfinished(folder / "unfinished.pdf", SheetSizeOf(PageFormat::A4, false));
    unfinished.StartSheet(1);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "unfinished.pdf"));

  PngSheetPrinter png(folder.Path(), SheetSizeOf(PageFormat::Letter, false), 100);
  sheets.CurrentSheet = 2;
  EXPECT_EQ(PrintSheets(sheets, {SheetRangeOption::CurrentPage, "", ""}, png, progress), 1);
  ASSERT_EQ(png.Written().size(), 1u);
  EXPECT_EQ(png.Written()[0], folder / "sheet_002.png");
  const QImage image(QString::fromStdString(png.Written()[0].string()));
  EXPECT_EQ(image.size(), QSize(850, 1100));  // its ink is held against the screen's elsewhere
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace calvora
