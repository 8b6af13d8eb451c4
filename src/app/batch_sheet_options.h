#pragma once
// The options the sheet commands share: --sheets, --page, --landscape, and the project they
// open with the survey data and typical cross-section files the drawing needs.

#include <CLI/CLI.hpp>
#include <string>

#include "app/batch_command.h"
#include "drawing/sheet_layout.h"
#include "drawing/sheet_range.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

struct BatchSheetOptions {
  std::string project;
  std::string sheets = "all";  // all, N or A-B
  std::string page = "A4";     // A4, A3 or letter
  bool landscape = false;

  void Configure(CLI::App& sub);
  SheetRangeChoice RangeChoice() const;
  SheetSize Sheet() const;
  // Opens the project; false (after the message) when it cannot be drawn.
  bool OpenProject(ProjectState& state, const BatchContext& context, UserDialogs& dialogs) const;
};

}  // namespace calvora
