#pragma once
// The plan's sheets on paper (through a SheetPrinter) and as a DXF drawing.

#include <string>

#include "drawing/dxf_groups.h"
#include "drawing/sheet_layout.h"
#include "drawing/sheet_printer.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

// Every sheet of the plan at 1:denominator on the printer's pages; the number printed. A cancel
// in the progress stops before the next sheet and ends the document with the sheets printed.
int PrintPlan(const ProjectState& state, double denominator, SheetPrinter& printer,
              Progress& progress);

// Every sheet of the plan side by side in a drawing named in the save dialog (proposed from the
// alignment file with "_P.DXF"); the name of the file written, "" when none.
std::string DxfPlan(const ProjectState& state, double denominator, SheetSize sheet,
                    DxfFormat format, UserDialogs& dialogs, Progress& progress);

}  // namespace calvora
