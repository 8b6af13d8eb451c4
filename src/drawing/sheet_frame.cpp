#include "drawing/sheet_frame.h"

#include <string>

#include "drawing/trim_blanks.h"

namespace calvora {

SheetSize UsableSheet(const ProjectRecord& project, const SheetSize& sheet) {
  return {sheet.Width - project.Margin[2] - project.Margin[3],
          sheet.Height - project.Margin[0] - project.Margin[1]};
}

SheetSize ScaleToUsableSheet(clsGraphic& graphic, const ProjectRecord& project,
                             const SheetSize& sheet, double xOffset) {
  const SheetSize usable = UsableSheet(project, sheet);
  graphic.Scale = {xOffset - usable.Width / 2 - project.Margin[2],
                   usable.Height + project.Margin[0], sheet.Width, -sheet.Height};
  graphic.SetScale();
  return usable;
}

void DrawSheetFrame(clsGraphic& graphic, const ProjectRecord& project, const SheetSize& usable,
                    double xOffset, float penFactor) {
  const double left = xOffset - usable.Width / 2;
  const double right = xOffset + usable.Width / 2;
  graphic.SetLayer("0");
  graphic.SetDrawWidth(project.Pen[kBorderPen] * penFactor);
  if (project.DrawBorder != 0) {
    graphic.DrawLine(left, 0, right, 0, kBlue);
    graphic.DrawLine(right, 0, right, usable.Height, kBlue);
    graphic.DrawLine(right, usable.Height, left, usable.Height, kBlue);
    graphic.DrawLine(left, usable.Height, left, 0, kBlue);
    graphic.DrawLine(left, kTitleStripTop, right, kTitleStripTop, kBlue);
  }
  // Titles in the strip of one unit above the bottom margin.
  constexpr double kTitleTop = 0.85;
  constexpr double kTitleInset = 0.5;
  const auto title = [&](const std::string& stored, double alignment, double x) {
    const std::string text = TrimBlanks(stored);
    if (!text.empty()) {
      graphic.DrawText(x - alignment * graphic.TextWidth(text), kTitleTop, text);
    }
  };
  title(project.TitleLeft, 0, left + kTitleInset);
  title(project.TitleCenter, 0.5, xOffset);
  title(project.TitleRight, 1, right - kTitleInset);
}

}  // namespace calvora
