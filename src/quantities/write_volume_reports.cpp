#include "quantities/volume_reports_writer.h"
#include "records/file_error.h"

namespace calvora {

VolumeReportsResult WriteVolumeReports(const std::filesystem::path& quantityFile,
                                       const ProjectRecord& project,
                                       const std::vector<std::string>& notes,
                                       UserDialogs& dialogs) {
  QuantityFileReader reader(quantityFile);
  WideFields wide;
  VolumeReportsWriter writer(quantityFile, project, dialogs, wide);
  QuantitySection section;
  if (reader.NextSection(section)) {
    writer.FirstSection(section);
    while (!reader.AtEnd()) {
      QuantityInterval interval;
      reader.NextInterval(interval);
      if (!reader.NextSection(section)) {
        throw FileError(quantityFile, "The quantity file ends after an interval line");
      }
      writer.NextPair(interval, section);
    }
  }
  VolumeReportsResult result = writer.Finish(notes);
  if (!wide.Empty()) {
    dialogs.Message(wide.Message());
  }
  return result;
}

}  // namespace calvora
