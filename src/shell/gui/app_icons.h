#pragma once
// The application's own images, drawn rather than loaded: a road cross-section on the ground.

#include <QIcon>

namespace calvora {

// The application icon (window, about box).
QIcon CalvoraIcon();
// The tool button "Cross": a designed section over the ground line.
QIcon CrossSectionIcon();
// "Zoom-in" and "Zoom-out": a magnifying glass with a plus or a minus.
QIcon ZoomIcon(bool in);
// "Print": a printer with a sheet.
QIcon PrinterIcon();

}  // namespace calvora
