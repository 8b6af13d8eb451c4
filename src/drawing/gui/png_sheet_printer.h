#pragma once
// Sheets printed as PNG images, one file per sheet ("sheet_001.png", ...) in a folder, each the
// size of the chosen paper at the given resolution.

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "drawing/gui/painter_device.h"
#include "drawing/sheet_printer.h"

namespace calvora {

class PngSheetPrinter : public SheetPrinter {
 public:
  PngSheetPrinter(std::filesystem::path folder, const SheetSize& page, int dotsPerInch = 150);
  ~PngSheetPrinter() override;

  SheetSize PageSheet() const override { return page_; }
  GraphicDevice& StartSheet(int sheet) override;
  // Writes the sheet's image; throws FileError when it cannot.
  void EndSheet() override;
  void EndDoc() override {}

  // The images written, in order.
  const std::vector<std::filesystem::path>& Written() const { return written_; }
  static std::string SheetFileName(int sheet);

 private:
  std::filesystem::path folder_;
  SheetSize page_;
  int dotsPerInch_;
  QImage image_;
  QPainter painter_;
  std::optional<PainterDevice> device_;
  int sheet_ = 0;
  std::vector<std::filesystem::path> written_;
};

}  // namespace calvora
