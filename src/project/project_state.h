#pragma once
// The one project state of the process: the open project, its three working files and their
// record buffers. The application owns one and passes it by reference.

#include <filesystem>
#include <optional>
#include <string>

#include "records/alignment_record.h"
#include "records/project_record.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "records/variant_record.h"

namespace calvora {

struct WorkingFile {
  std::string FileName;            // as the project record names it (trimmed); "" = not loaded
  std::optional<RecordFile> File;  // open while loaded; its Path() is the resolved path
  int Current = 0;                 // current record number

  bool Loaded() const { return !FileName.empty() && File.has_value(); }
  int Count() const { return File ? File->Count() : 0; }
};

struct ProjectState {
  std::filesystem::path AppDir;  // the program's folder (design tables, DXF definitions)
  // ReadWrite: files opened as "Open" does (a missing working file offered for creation).
  // ReadOnly: the project and working files opened for reading only, none created; a command
  // that changes one replaces it whole (RecordFile::Replace).
  FileAccess Access = FileAccess::ReadWrite;
  std::string ProjectPath;  // "" = no project open
  std::optional<RecordFile> ProjectFile;
  ProjectRecord Project;

  WorkingFile Data;   // survey data file (.DAT)
  WorkingFile Var;    // typical cross-section file (.VAR)
  WorkingFile Align;  // alignment file (.CRV)

  SectionRecord DataRec;
  VariantRecord VarRec;
  AlignmentRecord AlignRec;

  bool ProjectOpen() const { return !ProjectPath.empty(); }
};

}  // namespace calvora
