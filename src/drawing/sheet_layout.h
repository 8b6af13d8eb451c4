#pragma once
// Sheets of the cross-section drawing: how many, which sections each holds, their size from the
// page, and the project settings that a sheet needs.

#include <string>

#include "records/project_record.h"

namespace calvora {

// One drawing unit is 0.2 inch of paper: the page size in twips divided by 288.
inline constexpr double kTwipsPerSheetUnit = 288;

enum class PageFormat { A4, A3, Letter };

struct SheetSize {
  double Width = 0;
  double Height = 0;
};

// The sheet a page of that format gives, as the printer reports its page.
SheetSize SheetSizeOf(PageFormat format, bool landscape);

// Sections / sectionsPerSheet rounded up; sectionsPerSheet must be at least 1.
int SheetCount(int sectionCount, int sectionsPerSheet);

struct SheetSections {
  int First = 0;  // record numbers, First > Last for a sheet without sections
  int Last = -1;
};
SheetSections SectionsOfSheet(int sheet, int sectionCount, int sectionsPerSheet);

// The sheet that holds a section record.
int SheetOfSection(int record, int sectionsPerSheet);

// Why the project's margins leave no usable sheet of this size ("" when they do).
std::string MarginsProblem(const ProjectRecord& project, const SheetSize& sheet);

// Why the project's settings cannot give a sheet of this size ("" when they can): fewer than
// one section per sheet, or margins that leave no room on the page.
std::string SheetSettingsProblem(const ProjectRecord& project, const SheetSize& sheet);

}  // namespace calvora
