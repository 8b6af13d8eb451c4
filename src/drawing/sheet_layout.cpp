#include "drawing/sheet_layout.h"

#include <cmath>
#include <utility>

namespace calvora {

namespace {

// Page sizes in twips, portrait.
SheetSize PageTwips(PageFormat format) {
  switch (format) {
    case PageFormat::A3:
      return {16838, 23811};  // 297 x 420 mm
    case PageFormat::Letter:
      return {12240, 15840};  // 8.5 x 11 in
    case PageFormat::A4:
      break;
  }
  return {11906, 16838};  // 210 x 297 mm
}

}  // namespace

SheetSize SheetSizeOf(PageFormat format, bool landscape) {
  SheetSize twips = PageTwips(format);
  if (landscape) {
    std::swap(twips.Width, twips.Height);
  }
  return {twips.Width / kTwipsPerSheetUnit, twips.Height / kTwipsPerSheetUnit};
}

int SheetCount(int sectionCount, int sectionsPerSheet) {
  return (sectionCount + sectionsPerSheet - 1) / sectionsPerSheet;
}

SheetSections SectionsOfSheet(int sheet, int sectionCount, int sectionsPerSheet) {
  const int first = (sheet - 1) * sectionsPerSheet + 1;
  const int last = std::min(sheet * sectionsPerSheet, sectionCount);
  return {first, last};
}

int SheetOfSection(int record, int sectionsPerSheet) {
  return (record + sectionsPerSheet - 1) / sectionsPerSheet;
}

std::string SheetSettingsProblem(const ProjectRecord& project, const SheetSize& sheet) {
  if (project.SectionsPerSheet < 1) {
    return "Cannot draw the sheets: the number of cross sections in each sheet is " +
           std::to_string(project.SectionsPerSheet) + "; it must be at least 1.";
  }
  return MarginsProblem(project, sheet);
}

std::string MarginsProblem(const ProjectRecord& project, const SheetSize& sheet) {
  for (const float margin : project.Margin) {
    if (!std::isfinite(margin) || margin < 0) {
      return "Cannot draw the sheets: a margin is not a length of 0 or more.";
    }
  }
  const double usableWidth = sheet.Width - project.Margin[2] - project.Margin[3];
  const double usableHeight = sheet.Height - project.Margin[0] - project.Margin[1];
  if (!(usableWidth > 0) || !(usableHeight > 0)) {
    return "Cannot draw the sheets: the page is smaller than its margins.";
  }
  return "";
}

}  // namespace calvora
