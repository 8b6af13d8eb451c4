#pragma once
// Sheets printed into a PDF document, one sheet per page, the page sized as the chosen paper.

#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <memory>
#include <optional>

#include "drawing/gui/painter_device.h"
#include "drawing/sheet_printer.h"
#include "records/scratch_file.h"

namespace calvora {

class PdfSheetPrinter : public SheetPrinter {
 public:
  // The document appears at path only when EndDoc completes it.
  PdfSheetPrinter(const std::filesystem::path& path, const SheetSize& page, int dotsPerInch = 300);
  ~PdfSheetPrinter() override;

  SheetSize PageSheet() const override { return page_; }
  GraphicDevice& StartSheet(int sheet) override;
  void EndSheet() override {}
  void EndDoc() override;

 private:
  SheetSize page_;
  ScratchFile file_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
  std::optional<PainterDevice> device_;
  bool firstPage_ = true;
};

}  // namespace calvora
