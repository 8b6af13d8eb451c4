#include "shell/sheet_window_model.h"

#include <algorithm>
#include <cmath>

#include "drawing/dxf_sheets.h"
#include "drawing/print_sheets.h"
#include "numbers/number_text.h"
#include "project/working_file_version.h"

namespace calvora {

namespace {

// Zoom within these bounds: a sheet a hundred times enlarged, or ten sheets wide.
constexpr double kLeastZoom = 0.01;
constexpr double kGreatestZoom = 10;

}  // namespace

SheetWindowModel::SheetWindowModel(std::unique_ptr<SheetSet> sheets) : sheets_(std::move(sheets)) {}

bool SheetWindowModel::SetPage(std::optional<SheetSize> page) {
  const bool usable = page && std::isfinite(page->Width) && std::isfinite(page->Height) &&
                      page->Width > 0 && page->Height > 0;
  if (!usable) {
    sheets_->Dialogs().Message(kPrinterNotReady);
    hasPage_ = false;
    drawing_.reset();
    return false;
  }
  if (!hasPage_ || page->Width != sheets_->Sheet.Width || page->Height != sheets_->Sheet.Height) {
    sheets_->Sheet = *page;
    drawing_.reset();
  }
  hasPage_ = true;
  return true;
}

std::string SheetWindowModel::PageText() const {
  return "Page: " + std::to_string(CurrentSheet()) + " of " + std::to_string(SheetCount());
}

std::string SheetWindowModel::ZoomText() const {
  return "Zoom: " + FormatNumber(zoom_, "#0.00");
}

void SheetWindowModel::ShowSheet(int sheet) {
  const int shown = std::clamp(sheet, 1, std::max(1, SheetCount()));
  if (shown != sheets_->CurrentSheet) {
    sheets_->CurrentSheet = shown;
    drawing_.reset();
  }
}

void SheetWindowModel::SetZoom(double zoom) {
  const double kept = std::clamp(zoom, kLeastZoom, kGreatestZoom);
  if (kept != zoom_) {
    zoom_ = kept;
    drawing_.reset();  // the pens follow the zoom
  }
  KeepCentreOnSheet();
}

void SheetWindowModel::ZoomAbout(double factor, double fx, double fy) {
  const double before = zoom_;
  SetZoom(zoom_ * factor);
  const double kept = zoom_ / before;
  // The point stays under the pointer: its distance from the centre scales with the zoom.
  SetCentre(fx - (fx - centreX_) * kept, fy - (fy - centreY_) * kept);
}

void SheetWindowModel::SetCentre(double x, double y) {
  centreX_ = std::isfinite(x) ? x : 0.5;
  centreY_ = std::isfinite(y) ? y : 0.5;
  KeepCentreOnSheet();
}

void SheetWindowModel::KeepCentreOnSheet() {
  // The visible part stays on the sheet; a part larger than the sheet is centred on it.
  const double half = std::min(zoom_ / 2, 0.5);
  centreX_ = std::clamp(centreX_, half, 1 - half);
  centreY_ = std::clamp(centreY_, half, 1 - half);
}

PictureRect SheetWindowModel::SheetInPicture(double pictureWidth, double pictureHeight) const {
  const SheetSize& sheet = sheets_->Sheet;
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

SheetWindowModel::DrawnFrom SheetWindowModel::Sources() const {
  const ProjectState& state = sheets_->State();
  return {FileVersion(state.Data), FileVersion(state.Var), FileVersion(state.Align), state.Project};
}

void SheetWindowModel::Paint(GraphicDevice& device) {
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
  sheets_->PenFactor = static_cast<float>(1 / zoom_);
  sheets_->Graphic.SetFont(SheetFont(sheets_->State().Project.Font));
  sheets_->Graphic.SetObject(*drawing_);
  sheets_->DrawOnObject(CurrentSheet());
  sheets_->Graphic.ClearObject();
  drawing_->Detach();
}

int SheetWindowModel::Print(const SheetRangeChoice& choice, SheetPrinter& printer,
                            Progress& progress) {
  return PrintSheets(*sheets_, choice, printer, progress);
}

std::string SheetWindowModel::Export(const SheetRangeChoice& choice, DxfFormat format,
                                     Progress& progress) {
  const GraphicFont font = sheets_->Graphic.Font();
  const std::string written = ExportSheets(*sheets_, choice, format, progress);
  sheets_->Graphic.SetFont(font);  // the export sets the drawing's text height
  return written;
}

}  // namespace calvora
