#pragma once
// The application's own images, drawn rather than loaded: a road cross-section on the ground.

#include <QIcon>

namespace calvora {

// The application icon (window, about box).
QIcon CalvoraIcon();
// The tool button "Cross": a designed section over the ground line.
QIcon CrossSectionIcon();

}  // namespace calvora
