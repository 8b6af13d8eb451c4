#include "drawing/gui/qt_printer_sheets.h"

#include <QPageLayout>

#include "records/file_error.h"

namespace calvora {

namespace {

constexpr double kTwipsPerPoint = 20;

std::string PrinterName(const QPrinter& printer) {
  const QString file = printer.outputFileName();
  return (file.isEmpty() ? printer.printerName() : file).toStdString();
}

}  // namespace

std::optional<SheetSize> PrinterSheet(const QPrinter& printer) {
  const QRectF page = printer.pageLayout().fullRect(QPageLayout::Point);
  if (page.isEmpty()) {
    return std::nullopt;
  }
  return SheetSize{page.width() * kTwipsPerPoint / kTwipsPerSheetUnit,
                   page.height() * kTwipsPerPoint / kTwipsPerSheetUnit};
}

QtPrinterSheets::QtPrinterSheets(QPrinter& printer) : printer_(printer) {
  printer_.setFullPage(true);  // the sheet drawing keeps its own margins
}

QtPrinterSheets::~QtPrinterSheets() {
  if (painter_.isActive()) {
    painter_.end();
  }
}

SheetSize QtPrinterSheets::PageSheet() const {
  return PrinterSheet(printer_).value_or(SheetSize{});
}

GraphicDevice& QtPrinterSheets::StartSheet(int) {
  if (!painter_.isActive()) {
    if (!painter_.begin(&printer_)) {
      throw FileError(PrinterName(printer_), "Printer is not ready.");
    }
    painter_.setRenderHint(QPainter::Antialiasing);
  } else {
    printer_.newPage();
  }
  const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
  device_.emplace(painter_, QRectF(0, 0, paper.width(), paper.height()), printer_.resolution());
  return *device_;
}

void QtPrinterSheets::EndDoc() {
  device_.reset();
  if (painter_.isActive() && !painter_.end()) {
    throw FileError(PrinterName(printer_), "Printer is not ready.");
  }
}

}  // namespace calvora
