// frmDrawCross bound to its model: controls, keys, wheel, pointer, the printer, and the picture
// against the PNG printer's.

#include "drawing/gui/cross_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include "drawing/gui/png_sheet_printer.h"
#include "drawing/gui/qt_printer_sheets.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

class CrossWindowTest : public ::testing::Test {
 protected:
  CrossWindowTest() {
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setOutputFileName(QString::fromStdString((folder / "SHEETS.PDF").string()));
    window.emplace(state, dialogs, printer, progress);
    window->resize(600, 700);
    window->show();
    QApplication::setActiveWindow(&*window);  // shortcuts reach the active window only
    QApplication::processEvents();
  }
  QString Panel(const char* name) {
    return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  QWidget* Picture() { return window->findChild<QWidget*>(QStringLiteral("picCross")); }
  void Wheel(Qt::KeyboardModifiers modifiers, int notches) {
    const QPointF at(Picture()->width() / 2.0, Picture()->height() / 2.0);
    QWheelEvent wheel(at, Picture()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Picture(), &wheel);
  }

  testing::Road road{testing::SampleRoad()};  // 9 sections, 4 a sheet
  ProjectState& state = road.state;
  std::filesystem::path folder = road.folder.Path();
  testing::RecordingDialogs dialogs;
  QPrinter printer{QPrinter::HighResolution};
  SilentProgress progress;
  std::optional<CrossWindow> window;
};

TEST_F(CrossWindowTest, ControlsCarryTheirNamesAndTheToolBarItsKeys) {
  for (const char* name :
       {"picCross", "HScroll", "VScroll", "StatusBar", "Page", "Zoom", "Toolbar1"}) {
    EXPECT_NE(window->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }
  const auto* bar = window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
  EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  for (const char* key : {"First", "Prev", "Next", "Last", "Find", "Print", "Export", "Zoom-in",
                          "Zoom-out", "Pagesetup", "Exit"}) {
    const auto* action = window->findChild<QAction*>(QString::fromLatin1(key));
    ASSERT_NE(action, nullptr) << key;
    EXPECT_EQ(action->text(), QString::fromLatin1(key));
    EXPECT_FALSE(action->icon().isNull()) << key;
    EXPECT_EQ(bar->widgetForAction(const_cast<QAction*>(action))->focusPolicy() & Qt::TabFocus,
              Qt::TabFocus)
        << key;
  }
}

TEST_F(CrossWindowTest, KeysWheelAndPointerTurnZoomAndScroll) {
  Picture()->setFocus();
  struct Step {
    const char* name;
    std::function<void()> act;
    const char* page;
    const char* zoom;
  };
  const Step steps[] = {
      {"Page Down", [&] { QTest::keyClick(Picture(), Qt::Key_PageDown); }, "Page: 2 of 3",
       "Zoom: 1.00"},
      {"End", [&] { QTest::keyClick(Picture(), Qt::Key_End); }, "Page: 3 of 3", "Zoom: 1.00"},
      {"Home", [&] { QTest::keyClick(Picture(), Qt::Key_Home); }, "Page: 1 of 3", "Zoom: 1.00"},
      {"Ctrl+wheel up", [&] { Wheel(Qt::ControlModifier, 1); }, "Page: 1 of 3", "Zoom: 0.80"},
      {"Zoom-in button", [&] { window->findChild<QAction*>(QStringLiteral("Zoom-in"))->trigger(); },
       "Page: 1 of 3", "Zoom: 0.53"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    EXPECT_EQ(Panel("Page"), QString::fromLatin1(step.page));
    EXPECT_EQ(Panel("Zoom"), QString::fromLatin1(step.zoom));
  }
  auto* vertical = window->findChild<QScrollBar*>(QStringLiteral("VScroll"));
  EXPECT_TRUE(vertical->isEnabled());
  const int before = vertical->value();
  Wheel(Qt::NoModifier, -2);  // down the sheet
  EXPECT_GT(vertical->value(), before);
  vertical->setValue(0);
  EXPECT_NEAR(window->Model().CentreY(), window->Model().Zoom() / 2, 1e-9);

  // A double-click on the first band names section 1.
  window->findChild<QAction*>(QStringLiteral("Zoom-out"))->trigger();
  window->findChild<QAction*>(QStringLiteral("Zoom-out"))->trigger();
  QSignalSpy activated(&*window, &CrossWindow::sectionActivated);
  const PictureRect sheet = window->Model().SheetInPicture(Picture()->width(), Picture()->height());
  QTest::mouseDClick(Picture(), Qt::LeftButton, {},
                     QPoint(int(sheet.Left + sheet.Width / 2), int(sheet.Top + sheet.Height / 8)));
  ASSERT_EQ(activated.count(), 1);
  EXPECT_EQ(activated.at(0).at(0).toInt(), 1);
}

// The window's picture of a sheet and the PNG printer's image of it, brought to one size, differ
// in few pixels: the screen draws what paper gets.
TEST_F(CrossWindowTest, ThePictureIsThePrintedSheetScaled) {
  window->Model().Next();
  const QImage shown = Picture()->grab().toImage();
  const PictureRect sheet = window->Model().SheetInPicture(Picture()->width(), Picture()->height());
  const QImage onScreen =
      shown.copy(QRect(int(sheet.Left), int(sheet.Top), int(sheet.Width), int(sheet.Height)));

  PngSheetPrinter png(folder / "png", PrinterSheet(printer).value(), 150);
  std::filesystem::create_directories(folder / "png");
  ASSERT_EQ(window->Model().Print({SheetRangeOption::CurrentPage, "", ""}, png, progress), 1);
  const QImage printed(QString::fromStdString(png.Written().front().string()));

  // Ink of each brought to 200 x 283; a mark of one with no mark of the other within two
  // pixels is a difference.
  const QSize common(200, 283);
  const auto ink = [&](const QImage& image) {
    const QImage small = image.scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_Grayscale8);
    std::vector<bool> marked(static_cast<std::size_t>(common.width() * common.height()));
    for (int y = 0; y < common.height(); ++y) {
      for (int x = 0; x < common.width(); ++x) {
        marked[static_cast<std::size_t>(y * common.width() + x)] = qGray(small.pixel(x, y)) < 235;
      }
    }
    return marked;
  };
  const auto near = [&](const std::vector<bool>& marked, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const int nx = x + dx, ny = y + dy;
        if (nx >= 0 && ny >= 0 && nx < common.width() && ny < common.height() &&
            marked[static_cast<std::size_t>(ny * common.width() + nx)]) {
          return true;
        }
      }
    }
    return false;
  };
  const std::vector<bool> a = ink(onScreen), b = ink(printed);
  int marks = 0, unmatched = 0;
  for (int y = 0; y < common.height(); ++y) {
    for (int x = 0; x < common.width(); ++x) {
      const std::size_t at = static_cast<std::size_t>(y * common.width() + x);
      marks += int(a[at]) + int(b[at]);
      unmatched += int(a[at] && !near(b, x, y)) + int(b[at] && !near(a, x, y));
    }
  }
  ASSERT_GT(marks, 1000);  // there is a drawing to compare
  EXPECT_LT(double(unmatched) / marks, 0.05);
}

TEST_F(CrossWindowTest, PrintingGoesToThePrintersPageOnePagePerSheet) {
  QtPrinterSheets sheets(printer);
  EXPECT_NEAR(sheets.PageSheet().Width, 11906 / 288.0, 0.05);
  EXPECT_EQ(window->Model().Print({SheetRangeOption::Pages, "2", "3"}, sheets, progress), 2);
  EXPECT_GT(std::filesystem::file_size(folder / "SHEETS.PDF"), 1000u);
  EXPECT_EQ(Panel("Page"), QStringLiteral("Page: 1 of 3"));
}

}  // namespace
}  // namespace calvora
