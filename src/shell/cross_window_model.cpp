#include "shell/cross_window_model.h"

#include <algorithm>
#include <cmath>

#include "drawing/dxf_cross.h"
#include "drawing/print_cross.h"
#include "numbers/number_text.h"

namespace calvora {

namespace {

// Zoom within these bounds: a sheet a hundred times enlarged, or ten sheets wide.
constexpr double kLeastZoom = 0.01;
constexpr double kGreatestZoom = 10;

}  // namespace

CrossWindowModel::CrossWindowModel(const ProjectState& state, UserDialogs& dialogs)
    : sheets_(state, dialogs) {}

bool CrossWindowModel::SetPage(std::optional<SheetSize> page) {
  const bool usable = page && std::isfinite(page->Width) && std::isfinite(page->Height) &&
                      page->Width > 0 && page->Height > 0;
  if (!usable) {
    sheets_.Dialogs().Message(kPrinterNotReady);
    hasPage_ = false;
    drawing_.reset();
    return false;
  }
  if (!hasPage_ || page->Width != sheets_.Sheet.Width || page->Height != sheets_.Sheet.Height) {
    sheets_.Sheet = *page;
    drawing_.reset();
  }
  hasPage_ = true;
  return true;
}

std::string CrossWindowModel::PageText() const {
  return "Page: " + std::to_string(CurrentSheet()) + " of " + std::to_string(SheetCount());
}

std::string CrossWindowModel::ZoomText() const {
  return "Zoom: " + FormatNumber(zoom_, "#0.00");
}

void CrossWindowModel::ShowSheet(int sheet) {
  const int shown = std::clamp(sheet, 1, std::max(1, SheetCount()));
  if (shown != sheets_.CurrentSheet) {
    sheets_.CurrentSheet = shown;
    drawing_.reset();
  }
}

void CrossWindowModel::ShowSection(int record) {
  const int perSheet = sheets_.State().Project.SectionsPerSheet;
  if (perSheet >= 1 && record >= 1) {
    ShowSheet(SheetOfSection(record, perSheet));
  }
}

void CrossWindowModel::SetZoom(double zoom) {
  const double kept = std::clamp(zoom, kLeastZoom, kGreatestZoom);
  if (kept != zoom_) {
    zoom_ = kept;
    drawing_.reset();  // the pens follow the zoom
  }
  KeepCentreOnSheet();
}

void CrossWindowModel::ZoomAbout(double factor, double fx, double fy) {
  const double before = zoom_;
  SetZoom(zoom_ * factor);
  const double kept = zoom_ / before;
  // The point stays under the pointer: its distance from the centre scales with the zoom.
  SetCentre(fx - (fx - centreX_) * kept, fy - (fy - centreY_) * kept);
}

void CrossWindowModel::SetCentre(double x, double y) {
  centreX_ = std::isfinite(x) ? x : 0.5;
  centreY_ = std::isfinite(y) ? y : 0.5;
  KeepCentreOnSheet();
}

void CrossWindowModel::KeepCentreOnSheet() {
  // The visible part stays on the sheet; a part larger than the sheet is centred on it.
  const double half = std::min(zoom_ / 2, 0.5);
  centreX_ = std::clamp(centreX_, half, 1 - half);
  centreY_ = std::clamp(centreY_, half, 1 - half);
}

PictureRect CrossWindowModel::SheetInPicture(double pictureWidth, double pictureHeight) const {
  const SheetSize& sheet = sheets_.Sheet;
  if (!hasPage_ || !(pictureWidth > 0) || !(pictureHeight > 0)) {
    return {};
  }
  // Equal scales: the visible part (zoom times the sheet) as large as fits the picture.
  const double pixelsPerUnit =
      std::min(pictureWidth / (zoom_ * sheet.Width), pictureHeight / (zoom_ * sheet.Height));
  const double width = sheet.Width * pixelsPerUnit;
  const double height = sheet.Height * pixelsPerUnit;
  return {pictureWidth / 2 - centreX_ * width, pictureHeight / 2 - centreY_ * height, width,
          height};
}

int CrossWindowModel::SectionAt(double fx, double fy) const {
  const ProjectRecord& project = sheets_.State().Project;
  const SheetSize& sheet = sheets_.Sheet;
  if (!hasPage_ || !sheets_.SettingsProblem().empty()) {
    return 0;
  }
  const double x = fx * sheet.Width - project.Margin[2];
  const double fromTop = fy * sheet.Height - project.Margin[0];
  const double usableWidth = sheet.Width - project.Margin[2] - project.Margin[3];
  const double usableHeight = sheet.Height - project.Margin[0] - project.Margin[1];
  if (!(x >= 0 && x <= usableWidth && fromTop >= 0 && fromTop < usableHeight)) {
    return 0;
  }
  const int slot = static_cast<int>(fromTop / (usableHeight / project.SectionsPerSheet));
  const SheetSections sections =
      SectionsOfSheet(CurrentSheet(), sheets_.State().Data.Count(), project.SectionsPerSheet);
  const int record = sections.First + slot;
  return record <= sections.Last ? record : 0;
}

CrossWindowModel::DrawnFrom CrossWindowModel::Sources() const {
  const ProjectState& state = sheets_.State();
  return {state.Data.File ? state.Data.File->Version() : 0,
          state.Var.File ? state.Var.File->Version() : 0, state.Project};
}

void CrossWindowModel::Paint(GraphicDevice& device) {
  if (!hasPage_) {
    return;
  }
  if (!DrawingStale()) {
    drawing_->Replay(device);
    return;
  }
  ShowSheet(CurrentSheet());  // within the sheets there are now
  drawnFrom_ = Sources();
  drawing_.emplace(device);
  sheets_.PenFactor = static_cast<float>(1 / zoom_);
  sheets_.Graphic.SetFont(SheetFont(sheets_.State().Project.Font));
  sheets_.Graphic.SetObject(*drawing_);
  sheets_.DrawOnObject(CurrentSheet());
  sheets_.Graphic.ClearObject();
  drawing_->Detach();
}

int CrossWindowModel::Print(const SheetRangeChoice& choice, SheetPrinter& printer,
                            Progress& progress) {
  return PrintCross(sheets_, choice, printer, progress);
}

std::string CrossWindowModel::Export(const SheetRangeChoice& choice, DxfFormat format,
                                     Progress& progress) {
  const GraphicFont font = sheets_.Graphic.Font();
  const std::string written = DXFCross(sheets_, choice, format, progress);
  sheets_.Graphic.SetFont(font);  // the export sets the drawing's text height
  return written;
}

}  // namespace calvora
