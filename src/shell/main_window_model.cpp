#include "shell/main_window_model.h"

#include <cmath>

namespace calvora {

int MainWindowModel::TwipsToPixels(int twips, double dotsPerInch) {
  if (!std::isfinite(dotsPerInch) || dotsPerInch <= 0) {
    dotsPerInch = 96.0;  // the common desktop resolution when the screen gives none
  }
  return static_cast<int>(std::ceil(twips * dotsPerInch / kTwipsPerInch - 1e-9));
}

}  // namespace calvora
