#include "drawing/sheet_set.h"

#include "drawing/trim_blanks.h"

namespace calvora {

GraphicFont SheetFont(const ProjectFont& font) {
  return {TrimBlanks(font.Name), static_cast<float>(font.Size), font.Bold != 0, font.Italic != 0};
}

}  // namespace calvora
