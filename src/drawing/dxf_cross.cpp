#include "drawing/dxf_cross.h"

#include <optional>

#include "drawing/dxf_file.h"
#include "project/working_files.h"

namespace calvora {

namespace {

std::string DataFilePath(const ProjectState& state) {
  return state.Data.File ? state.Data.File->Path().string() : state.Data.FileName;
}

// Puts the window's x offset back after the export.
class ExportScope {
 public:
  explicit ExportScope(CrossSheet& sheets) : sheets_(sheets) {}
  ~ExportScope() { sheets_.XOffset = 0; }
  ExportScope(const ExportScope&) = delete;
  ExportScope& operator=(const ExportScope&) = delete;

 private:
  CrossSheet& sheets_;
};

}  // namespace

std::string DXFCross(CrossSheet& sheets, const SheetRangeChoice& choice, DxfFormat format,
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
  const std::string fileName = PromptDxfFile(kCrossSectionDrawing, DataFilePath(sheets.State()),
                                             dialogs, ProjectFilesOf(sheets.State()));
  if (fileName.empty()) {
    return "";
  }
  const DxfSheets drawn{range->First, range->Last, sheets.Sheet.Width,
                        [&](int sheet, double xOffset) {
                          sheets.XOffset = xOffset;
                          sheets.DrawOnObject(sheet);
                        }};
  return WriteDxfSheets(fileName, sheets.State().AppDir, format, sheets.Graphic,
                        static_cast<float>(sheets.State().Project.Font.Size / 10.0), drawn, dialogs,
                        progress);
}

}  // namespace calvora
