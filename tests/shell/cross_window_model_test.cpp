// The cross-section window without its widgets: paging, zoom, finding, the kept drawing, and
// printing and exporting with the window's state kept.

#include "shell/cross_window_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "drawing/recording_device.h"
#include "records/record_file.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"
#include "support/stopping_progress.h"

namespace calvora {
namespace {

using testing::RecordingDevice;
using testing::RecordingDialogs;

constexpr SheetSize kA4{11906 / 288.0, 16838 / 288.0};

// Counts the sheets printed; the progress may ask to stop after some.
class CountingPrinter : public SheetPrinter {
 public:
  SheetSize PageSheet() const override { return kA4; }
  GraphicDevice& StartSheet(int sheet) override {
    sheets.push_back(sheet);
    return device;
  }
  void EndSheet() override {}
  void EndDoc() override { ++documents; }
  std::vector<int> sheets;
  int documents = 0;
  RecordingDevice device;
};

class CrossWindowModelTest : public ::testing::Test {
 protected:
  CrossWindowModelTest() {
    model.emplace(state, dialogs);
    model->SetPage(kA4);
  }
  testing::Road road{testing::SampleRoad()};  // 9 sections, 4 a sheet
  ProjectState& state = road.state;
  RecordingDialogs dialogs;
  std::optional<CrossWindowModel> model;
};

TEST_F(CrossWindowModelTest, PagingZoomAndFindStayWithinTheSheets) {
  struct Step {
    const char* name;
    std::function<void(CrossWindowModel&)> act;
    const char* page;
    const char* zoom;
  };
  const Step steps[] = {
      {"opened", [](auto&) {}, "Page: 1 of 3", "Zoom: 1.00"},
      {"Prev on the first", [](auto& m) { m.Prev(); }, "Page: 1 of 3", "Zoom: 1.00"},
      {"Last", [](auto& m) { m.Last(); }, "Page: 3 of 3", "Zoom: 1.00"},
      {"Next on the last", [](auto& m) { m.Next(); }, "Page: 3 of 3", "Zoom: 1.00"},
      {"First, Next", [](auto& m) { m.First(), m.Next(); }, "Page: 2 of 3", "Zoom: 1.00"},
      {"Zoom-in", [](auto& m) { m.ZoomIn(); }, "Page: 2 of 3", "Zoom: 0.67"},
      {"Zoom-in again", [](auto& m) { m.ZoomIn(); }, "Page: 2 of 3", "Zoom: 0.44"},
      {"Zoom-out", [](auto& m) { m.ZoomOut(); }, "Page: 2 of 3", "Zoom: 0.67"},
      {"find section 9", [](auto& m) { m.ShowSection(9); }, "Page: 3 of 3", "Zoom: 0.67"},
      {"find section 4", [](auto& m) { m.ShowSection(4); }, "Page: 1 of 3", "Zoom: 0.67"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act(*model);
    EXPECT_EQ(model->PageText(), step.page);
    EXPECT_EQ(model->ZoomText(), step.zoom);
  }
}

TEST_F(CrossWindowModelTest, TheVisiblePartFillsThePictureAndStaysOnTheSheet) {
  // Zoom 1: the whole sheet as large as fits, centred.
  PictureRect whole = model->SheetInPicture(800, 600);
  EXPECT_NEAR(whole.Height, 600, 1e-9);
  EXPECT_NEAR(whole.Left + whole.Width / 2, 400, 1e-9);
  model->ZoomIn();
  model->ZoomIn();
  model->SetCentre(0, 2);  // beyond the sheet: the visible part stays on it
  const double half = 1 / 1.5 / 1.5 / 2;
  EXPECT_NEAR(model->CentreX(), half, 1e-12);
  EXPECT_NEAR(model->CentreY(), 1 - half, 1e-12);
  const PictureRect zoomed = model->SheetInPicture(800, 600);
  EXPECT_NEAR(zoomed.Top + zoomed.Height, 600, 1e-9);  // the sheet's foot at the picture's
  // Zooming about a point keeps that point of the sheet under the pointer.
  model->SetCentre(0.5, 0.5);
  const double fx = 0.6, fy = 0.4;
  const PictureRect before = model->SheetInPicture(800, 600);
  model->ZoomAbout(1 / 1.25, fx, fy);
  const PictureRect after = model->SheetInPicture(800, 600);
  EXPECT_NEAR(before.Left + fx * before.Width, after.Left + fx * after.Width, 1e-9);
  EXPECT_NEAR(before.Top + fy * before.Height, after.Top + fy * after.Height, 1e-9);
}

TEST_F(CrossWindowModelTest, APointOfTheSheetNamesTheSectionOfItsBand) {
  // Margins of 1 on a 41.3 x 58.5 sheet: four bands of 14.1 from the top margin down.
  const double top = 1 / kA4.Height, band = (kA4.Height - 2) / 4 / kA4.Height;
  struct Case {
    int sheet;
    double fx, fy;
    int record;
  };
  const Case cases[] = {
      {1, 0.5, top + 0.5 * band, 1}, {1, 0.1, top + 3.5 * band, 4}, {3, 0.5, top + 0.5 * band, 9},
      {3, 0.5, top + 1.5 * band, 0},  // the last sheet holds one section
      {1, 0.5, 0.5 * top, 0},         // in the margin
  };
  for (const Case& c : cases) {
    model->ShowSheet(c.sheet);
    EXPECT_EQ(model->SectionAt(c.fx, c.fy), c.record) << c.sheet << " " << c.fy;
  }
}

TEST_F(CrossWindowModelTest, ASheetIsDrawnOnceAndPlayedAgainUntilWhatItShowsChanges) {
  RecordingDevice first;
  model->Paint(first);
  ASSERT_FALSE(first.lines.empty());
  EXPECT_FALSE(model->DrawingStale());
  RecordingDevice again;
  model->Paint(again);
  ASSERT_EQ(again.lines.size(), first.lines.size());
  EXPECT_EQ(again.lines.back().x2, first.lines.back().x2);
  EXPECT_EQ(again.texts.size(), first.texts.size());

  const std::function<void()> changes[] = {
      [&] { model->Next(); },
      [&] { model->ZoomIn(); },
      [&] { state.Project.Pen[1] = 3; },
      [&] {
        const std::vector<std::uint8_t> bytes(SectionRecord::kLength, 0);
        for (int added = 0; added < 4; ++added) {
          state.Data.File->Write(state.Data.Count() + 1, bytes);
        }
      },
  };
  for (const auto& change : changes) {
    change();
    EXPECT_TRUE(model->DrawingStale());
    RecordingDevice redrawn;
    model->Paint(redrawn);
    EXPECT_FALSE(model->DrawingStale());
  }
  EXPECT_EQ(model->PageText(), "Page: 2 of 4");  // the thirteenth section makes a fourth sheet
}

TEST_F(CrossWindowModelTest, WithoutAPrinterPageNothingIsDrawnAndThePersonIsTold) {
  EXPECT_FALSE(model->SetPage(std::nullopt));
  EXPECT_EQ(dialogs.shown.back(), "Message: Printer is not ready.");
  RecordingDevice device;
  model->Paint(device);
  EXPECT_TRUE(device.lines.empty());
}

TEST_F(CrossWindowModelTest, PrintAndExportLeaveTheWindowAsItWas) {
  model->Next();
  model->ZoomIn();
  model->SetCentre(0.4, 0.6);
  RecordingDevice screen;
  model->Paint(screen);
  const auto windowState = [&] {
    const CrossSheet& s = model->Sheets();
    return std::make_tuple(model->CurrentSheet(), model->Zoom(), model->CentreX(), model->CentreY(),
                           s.PenFactor, s.XOffset, s.Sheet.Width, s.Graphic.Object() == nullptr,
                           s.Graphic.FontSize());
  };
  const auto before = windowState();
  struct Case {
    const char* name;
    SheetRangeChoice choice;
    int stopAfter;
    std::vector<int> printed;
  };
  const Case cases[] = {
      {"all", {SheetRangeOption::All, "", ""}, 0, {1, 2, 3}},
      {"current", {SheetRangeOption::CurrentPage, "", ""}, 0, {2}},
      {"cancel after the first", {SheetRangeOption::Pages, "2", "3"}, 1, {2}},
      {"beyond the last", {SheetRangeOption::Pages, "2", "5"}, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CountingPrinter printer;
    testing::StoppingProgress progress(c.stopAfter);
    EXPECT_EQ(model->Print(c.choice, printer, progress), static_cast<int>(c.printed.size()));
    EXPECT_EQ(printer.sheets, c.printed);
    EXPECT_EQ(windowState(), before);
  }
  EXPECT_EQ(dialogs.shown.back(), "Message: Bad page number. Operation canceled.");

  testing::StoppingProgress progress(0);
  dialogs.fileAnswers.push_back((road.folder / "SHEETS.DXF").string());
  const std::string written =
      model->Export({SheetRangeOption::Pages, "2", "3"}, DxfFormat::Ascii, progress);
  EXPECT_EQ(written, (road.folder / "SHEETS.DXF").string());
  // The range and the format asked for: sections 5 to 9 as text.
  const std::string text = testing::ReadText(written);
  EXPECT_TRUE(text.starts_with("  0\r\nSECTION")) << text.substr(0, 20);
  EXPECT_EQ(text.find("Section No.: 4"), std::string::npos);
  EXPECT_NE(text.find("Section No.: 5"), std::string::npos);
  EXPECT_NE(text.find("Section No.: 9"), std::string::npos);
  EXPECT_EQ(windowState(), before);
  EXPECT_FALSE(model->DrawingStale());
}

}  // namespace
}  // namespace calvora
