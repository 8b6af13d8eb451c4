#include "drawing/dxf_sheets.h"

#include <fstream>

#include "drawing/cls_dxf.h"
#include "drawing/dxf_entities.h"
#include "drawing/dxf_file.h"
#include "records/file_error.h"
#include "records/scratch_file.h"

namespace calvora {

namespace {

// Takes the DXF device and the file off the graphic again.
class DeviceScope {
 public:
  DeviceScope(clsGraphic& graphic, clsDXF& dxf) : graphic_(graphic) { graphic_.SetObject(dxf); }
  ~DeviceScope() {
    graphic_.SetFileNumber(nullptr);
    graphic_.ClearObject();
  }
  DeviceScope(const DeviceScope&) = delete;
  DeviceScope& operator=(const DeviceScope&) = delete;

 private:
  clsGraphic& graphic_;
};

void CheckWritten(std::ostream& stream, const ScratchFile& file) {
  if (!stream) {
    throw FileError(file.Path(), "Cannot write the file");
  }
}

// One attempt at the whole file; false when the definitions file is missing.
bool WriteDrawing(const std::string& fileName, const std::filesystem::path& programDir,
                  DxfFormat format, clsGraphic& graphic, float fontSize, const DxfSheets& sheets,
                  UserDialogs& dialogs, Progress& progress) {
  ScratchFile file(fileName);
  std::ofstream stream(file.Path(), std::ios::binary | std::ios::trunc);
  CheckWritten(stream, file);
  graphic.SetFileNumber(&stream);
  if (!WriteDxfHeader(stream, programDir, format, dialogs)) {
    return false;
  }
  graphic.SetFontSize(fontSize);
  progress.Start(sheets.last - sheets.first + 1);
  double xOffset = 0;
  for (int sheet = sheets.first; sheet <= sheets.last; ++sheet) {
    sheets.draw(sheet, xOffset);
    CheckWritten(stream, file);
    xOffset += kDxfSheetSpacing * sheets.sheetWidth;
    if (progress.Step(sheet - sheets.first + 1)) {
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

std::string WriteDxfSheets(const std::string& fileName, const std::filesystem::path& programDir,
                           DxfFormat format, clsGraphic& graphic, float fontSize,
                           const DxfSheets& sheets, UserDialogs& dialogs, Progress& progress) {
  clsDXF dxf(format);
  DeviceScope scope(graphic, dxf);
  while (true) {
    try {
      return WriteDrawing(fileName, programDir, format, graphic, fontSize, sheets, dialogs,
                          progress)
                 ? fileName
                 : "";
    } catch (const FileError& error) {
      progress.Finish();
      if (!dialogs.RetryCancel(error.what())) {
        return "";
      }
    }
  }
}

}  // namespace calvora
