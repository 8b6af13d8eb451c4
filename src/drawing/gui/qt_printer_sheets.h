#pragma once
// Sheets printed on the printer chosen in "Printer setup" (or the PDF file Qt's print dialog
// names), one sheet per page, the whole paper being the sheet.

#include <QPainter>
#include <QPrinter>
#include <optional>

#include "drawing/gui/painter_device.h"
#include "drawing/sheet_printer.h"

namespace calvora {

// The sheet the printer's page gives (page size in twips / 288); nullopt when it reports none.
std::optional<SheetSize> PrinterSheet(const QPrinter& printer);

class QtPrinterSheets : public SheetPrinter {
 public:
  explicit QtPrinterSheets(QPrinter& printer);
  ~QtPrinterSheets() override;

  SheetSize PageSheet() const override;
  GraphicDevice& StartSheet(int sheet) override;
  void EndSheet() override {}
  void EndDoc() override;

 private:
  QPrinter& printer_;
  QPainter painter_;
  std::optional<PainterDevice> device_;
};

}  // namespace calvora
