#pragma once
// A printer of sheets: pages of a PDF document, images, a real printer.

#include "drawing/graphic_device.h"
#include "drawing/sheet_layout.h"

namespace calvora {

class SheetPrinter {
 public:
  virtual ~SheetPrinter() = default;
  // The sheet its page gives (page size / 288).
  virtual SheetSize PageSheet() const = 0;
  // Starts the page of a sheet and gives the device to draw it on.
  virtual GraphicDevice& StartSheet(int sheet) = 0;
  // Ends the page of the sheet drawn last.
  virtual void EndSheet() = 0;
  // Ends the document after the last sheet; throws FileError when it cannot be written.
  virtual void EndDoc() = 0;
};

}  // namespace calvora
