#pragma once
// Measures of the main window that do not depend on the window system.

namespace calvora {

struct MainWindowModel {
  static constexpr int kMinimumTwips = 4000;  // width and height
  static constexpr double kTwipsPerInch = 1440.0;

  // Pixels of a length in twips on a screen of that resolution, rounded up so that the window
  // never falls below the length.
  static int TwipsToPixels(int twips, double dotsPerInch);
};

}  // namespace calvora
