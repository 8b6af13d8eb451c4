#include "app/batch_sheet_options.h"

#include "app/batch_project.h"

namespace calvora {

void BatchSheetOptions::Configure(CLI::App& sub) {
  sub.add_option("project", project, "Project file (.PRJ)")->required();
  sub.add_option("--sheets", sheets, "Sheets: all, a number N, or a range A-B")
      ->capture_default_str();
  sub.add_option("--page", page, "Paper the sheets are sized from")
      ->check(CLI::IsMember({"A4", "A3", "letter"}, CLI::ignore_case))
      ->capture_default_str();
  sub.add_flag("--landscape", landscape, "Paper turned sideways");
}

SheetRangeChoice BatchSheetOptions::RangeChoice() const {
  if (sheets == "all") {
    return {SheetRangeOption::All, "", ""};
  }
  const std::size_t dash = sheets.find('-', 1);
  if (dash == std::string::npos) {
    return {SheetRangeOption::Pages, sheets, sheets};
  }
  return {SheetRangeOption::Pages, sheets.substr(0, dash), sheets.substr(dash + 1)};
}

SheetSize BatchSheetOptions::Sheet() const {
  PageFormat format = PageFormat::A4;
  if (page == "A3" || page == "a3") {
    format = PageFormat::A3;
  } else if (page == "letter" || page == "LETTER" || page == "Letter") {
    format = PageFormat::Letter;
  }
  return SheetSizeOf(format, landscape);
}

bool BatchSheetOptions::OpenProject(ProjectState& state, const BatchContext& context,
                                    UserDialogs& dialogs) const {
  return OpenProjectForBatch(state, project, context, dialogs, Command(CommandId::CrossSections));
}

}  // namespace calvora
