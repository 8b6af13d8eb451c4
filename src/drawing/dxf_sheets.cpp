#include "drawing/dxf_sheets.h"

#include <fstream>
#include <optional>

#include "drawing/cls_dxf.h"
#include "drawing/dxf_entities.h"
#include "drawing/dxf_file.h"
#include "project/working_files.h"
#include "records/file_error.h"
#include "records/scratch_file.h"

namespace calvora {

namespace {

std::string DataFilePath(const ProjectState& state) {
  return state.Data.File ? state.Data.File->Path().string() : state.Data.FileName;
}

// Puts the window's drawing object back as it was before the export.
class ExportScope {
 public:
  explicit ExportScope(SheetSet& sheets) : sheets_(sheets) {}
  ~ExportScope() {
    sheets_.XOffset = 0;
    sheets_.Graphic.SetFileNumber(nullptr);
    sheets_.Graphic.ClearObject();
  }
  ExportScope(const ExportScope&) = delete;
  ExportScope& operator=(const ExportScope&) = delete;

 private:
  SheetSet& sheets_;
};

void CheckWritten(std::ostream& stream, const ScratchFile& file) {
  if (!stream) {
    throw FileError(file.Path(), "Cannot write the file");
  }
}

// One attempt at the whole file; false when the definitions file is missing.
bool WriteDrawing(SheetSet& sheets, const std::string& fileName, const SheetRange& range,
                  DxfFormat format, Progress& progress) {
  ScratchFile file(fileName);
  std::ofstream stream(file.Path(), std::ios::binary | std::ios::trunc);
  CheckWritten(stream, file);
  sheets.XOffset = 0;
  sheets.Graphic.SetFileNumber(&stream);
  if (!WriteDxfHeader(stream, sheets.State().AppDir, format, sheets.Dialogs())) {
    return false;
  }
  sheets.Graphic.SetFontSize(static_cast<float>(sheets.State().Project.Font.Size / 10.0));
  progress.Start(range.Count());
  for (int sheet = range.First; sheet <= range.Last; ++sheet) {
    sheets.DrawOnObject(sheet);
    CheckWritten(stream, file);
    sheets.XOffset += kDxfSheetSpacing * sheets.Sheet.Width;
    if (progress.Step(sheet - range.First + 1)) {
      break;
    }
  }
  progress.Finish();
  WriteDxfTrailer(stream, format);
  stream.close();
  CheckWritten(stream, file);
  file.Commit();
  return true;
}

}  // namespace

std::string ExportSheets(SheetSet& sheets, const SheetRangeChoice& choice, DxfFormat format,
                         Progress& progress) {
  UserDialogs& dialogs = sheets.Dialogs();
  if (const std::string problem = sheets.SettingsProblem(); !problem.empty()) {
    dialogs.Message(problem);
    return "";
  }
  const std::optional<SheetRange> range =
      ResolveSheetRange(choice, sheets.SheetCount(), sheets.CurrentSheet, dialogs);
  if (!range) {
    return "";
  }
  ExportScope scope(sheets);
  clsDXF dxf(format);
  sheets.Graphic.SetObject(dxf);
  const std::string fileName = PromptDxfFile(sheets.DxfKind(), DataFilePath(sheets.State()),
                                             dialogs, ProjectFilesOf(sheets.State()));
  if (fileName.empty()) {
    return "";
  }
  while (true) {
    try {
      return WriteDrawing(sheets, fileName, *range, format, progress) ? fileName : "";
    } catch (const FileError& error) {
      progress.Finish();
      if (!dialogs.RetryCancel(error.what())) {
        return "";
      }
    }
  }
}

}  // namespace calvora
