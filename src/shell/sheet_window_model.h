#pragma once
// A sheet drawing window without its widgets: the sheet shown, the zoom and the visible part of
// the sheet, the status texts, paging, the kept drawing, and printing and exporting a range of
// sheets with the window's state kept. The cross-section, longitudinal-section and mass-haul
// windows are its users; each brings its SheetSet.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "drawing/drawing_recorder.h"
#include "drawing/dxf_groups.h"
#include "drawing/sheet_printer.h"
#include "drawing/sheet_range.h"
#include "drawing/sheet_set.h"
#include "project/progress.h"

namespace calvora {

inline constexpr const char* kPrinterNotReady = "Printer is not ready.";

// Where the whole sheet lies in a picture area, in its pixels.
struct PictureRect {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
};

class SheetWindowModel {
 public:
  static constexpr double kZoomStep = 1.5;

  explicit SheetWindowModel(std::unique_ptr<SheetSet> sheets);
  virtual ~SheetWindowModel() = default;
  SheetWindowModel(const SheetWindowModel&) = delete;
  SheetWindowModel& operator=(const SheetWindowModel&) = delete;

  // The sheet size from the printer's page (page size in twips / 288); without a page, "Printer
  // is not ready." and false: nothing is drawn until a page is set.
  bool SetPage(std::optional<SheetSize> page);
  bool HasPage() const { return hasPage_; }

  int CurrentSheet() const { return sheets_->CurrentSheet; }
  int SheetCount() const { return sheets_->SheetCount(); }
  double Zoom() const { return zoom_; }
  std::string PageText() const;  // "Page: 2 of 3"
  std::string ZoomText() const;  // "Zoom: 0.44"

  void First() { ShowSheet(1); }
  void Prev() { ShowSheet(CurrentSheet() - 1); }
  void Next() { ShowSheet(CurrentSheet() + 1); }
  void Last() { ShowSheet(SheetCount()); }
  // The sheet, kept within 1 and the sheet count.
  void ShowSheet(int sheet);

  // "Zoom-in" shows a 1.5 times smaller part of the sheet, "Zoom-out" a larger one.
  void ZoomIn() { SetZoom(zoom_ / kZoomStep); }
  void ZoomOut() { SetZoom(zoom_ * kZoomStep); }
  // Zooms keeping the point of the sheet at (fx, fy) (fractions of the sheet) where it is.
  void ZoomAbout(double factor, double fx, double fy);

  // Centre of the visible part as fractions of the sheet's width and height (0 left/top).
  double CentreX() const { return centreX_; }
  double CentreY() const { return centreY_; }
  void SetCentre(double x, double y);
  // The whole sheet's place in a picture area of that size, so that the visible part fills it.
  PictureRect SheetInPicture(double pictureWidth, double pictureHeight) const;

  // The current sheet drawn on the device: the first time for this sheet and zoom it is drawn
  // while kept; afterwards the kept drawing is played again.
  void Paint(GraphicDevice& device);
  // Whether the next Paint draws anew: nothing kept, or a working file or the project's
  // settings changed since.
  bool DrawingStale() const { return !drawing_ || !(Sources() == drawnFrom_); }
  // The next Paint draws anew: the drawing's data or options may have changed.
  void Redraw() { drawing_.reset(); }

  // The range dialog's choice printed on the printer / written to a DXF file (named in the save
  // dialog); the window's sheet, zoom, centre and drawing state stay as they were.
  int Print(const SheetRangeChoice& choice, SheetPrinter& printer, Progress& progress);
  std::string Export(const SheetRangeChoice& choice, DxfFormat format, Progress& progress);

 protected:
  SheetSet& Set() { return *sheets_; }
  const SheetSet& Set() const { return *sheets_; }

 private:
  void SetZoom(double zoom);
  void KeepCentreOnSheet();

  std::unique_ptr<SheetSet> sheets_;
  bool hasPage_ = false;
  double zoom_ = 1;
  double centreX_ = 0.5;
  double centreY_ = 0.5;
  std::optional<DrawingRecorder> drawing_;
  // What the kept drawing was drawn from: a change in any of it draws anew.
  struct DrawnFrom {
    std::uint64_t data = 0;
    std::uint64_t variants = 0;
    std::uint64_t alignment = 0;
    ProjectRecord project;
    bool operator==(const DrawnFrom&) const = default;
  };
  DrawnFrom Sources() const;
  DrawnFrom drawnFrom_;
};

}  // namespace calvora
