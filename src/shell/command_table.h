#pragma once
// The commands a menu item or a batch subcommand runs: for each its name in both, the files it
// needs before it may start, and how it runs. The main window and the batch mode are built from
// this one table.

#include <functional>
#include <string>
#include <vector>

#include "project/command_result.h"
#include "project/progress.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "project/working_files.h"

namespace calvora {

enum class CommandId {
  Volumes,
  PlanCoordinates,
  HorizontalCurves,
  SpiralCurves,
  ProjectElevations,
  WidenGround,
  CrossSections,
  LongitudinalSection,
  MassHaul,
  Plan,
  ExportLandXml,
  ImportLandXml,
};

// A working file a command needs loaded, and whether it must hold a record.
struct FileNeed {
  WorkingFileKind kind;
  bool withRecords = false;
};

// How a run ended, and what a batch run prints: on stdout when done (the files written), on
// stderr when stopped (why, when more can be said than that it stopped).
struct CommandReport {
  CommandResult result = CommandResult::Stopped;
  std::vector<std::string> lines;
};

using CommandRun = std::function<CommandReport(ProjectState&, UserDialogs&, Progress&)>;

struct CommandEntry {
  CommandId id;
  std::string menuItem;     // objectName of the menu item
  std::string caption;      // the menu item's text
  std::string batchName;    // the batch subcommand; "" when there is none
  std::string description;  // the batch subcommand's help line
  std::vector<FileNeed> needs;
  bool readsSettings = false;  // the project's section settings must be usable
  bool rewritesData = false;   // replaces the survey data file
  CommandRun run;              // empty: a window of its own opens instead
};

const std::vector<CommandEntry>& CommandTable();
const CommandEntry& Command(CommandId id);

// Whether what the command needs is there; otherwise says the first thing missing.
bool CommandMayStart(const CommandEntry& command, const ProjectState& state, UserDialogs& dialogs);

}  // namespace calvora
