#include "quantities/calc_volumes.h"

#include "numbers/number_text.h"
#include "project/file_names.h"
#include "project/prompt_output_file.h"
#include "project/working_files.h"
#include "quantities/interval_quantities.h"
#include "quantities/quantity_file.h"
#include "quantities/sections_ahead.h"
#include "quantities/surfaces_report.h"
#include "quantities/volume_reports_writer.h"
#include "records/file_error.h"

namespace calvora {

namespace {

// A volume as a field of the quantity file holds it: rounded to two decimals.
double FieldValue(double volume) {
  return volume == 0 ? 0 : RoundTo(volume, 2);
}

std::string LeftOutNote(const SectionSlot& section) {
  return "Note: section " + std::to_string(section.Number) + " (" +
         StationLabel(section.Station, 2) +
         ") has a data error and is left out; the volumes span the sections beside it.";
}

VolumeRunSummary RunVolumes(ProjectState& state, const std::string& quantityPath,
                            UserDialogs& dialogs, Progress& progress) {
  VolumeRunSummary summary;
  summary.SectionCount = state.Data.Count();
  const ProjectRecord& project = state.Project;

  WideFields wide;
  ReportFile quantityFile(quantityPath);
  ReportFields quantityFields(quantityFile, wide);
  ReportFile surfacesFile(StemBeforeFirstDot(quantityPath) + ".SRF");
  SurfacesReport surfaces(surfacesFile, project, wide);
  // The volume and transport reports take each quantity line as the quantity file holds it.
  VolumeReportsWriter reports(quantityPath, project, dialogs, wide);
  QuantityLineParser readBack(quantityPath);
  std::optional<SectionSlot> previous;
  std::vector<std::string> notes;

  progress.Start(summary.SectionCount);
  {
    SectionsAhead sections(state, summary.SectionCount);
    for (int n = 1; n <= summary.SectionCount; ++n) {
      if (n > 1 && progress.Step(n)) {
        summary.Cancelled = true;
        break;
      }
      AheadSection computed = sections.Next();
      for (const std::string& message : computed.Messages) {
        dialogs.Message(message);
      }
      if (computed.BadVariant) {
        summary.BadVariant = true;
        break;
      }
      SectionSlot current = std::move(computed.Slot);
      if (!computed.Valid) {
        summary.LeftOut.push_back(n);
        notes.push_back(LeftOutNote(current));
        continue;
      }
      std::optional<QuantityInterval> readInterval;
      double fillBelowFifthLayer = 0;
      if (previous) {
        const IntervalQuantities interval = ComputeVolumes(*previous, current, project.CalcMethod);
        const FieldPlace place = FieldPlace::Interval(previous->Number, current.Number);
        const std::string intervalLine = QuantityIntervalLine(interval, place, quantityFields);
        quantityFile.Line(intervalLine);
        surfaces.Interval(interval, place);
        readInterval = readBack.Interval(intervalLine);
        fillBelowFifthLayer = FieldValue(interval.LayerVolume[kQuantityFileLayers]);
      }
      const std::string sectionLine = QuantitySectionLine(current, quantityFields);
      quantityFile.Line(sectionLine);
      surfaces.Section(current);
      const QuantitySection readSection = readBack.Section(sectionLine);
      if (readInterval) {
        reports.NextPair(*readInterval, readSection, fillBelowFifthLayer);
      } else {
        reports.FirstSection(readSection);
      }
      ++summary.SectionsReported;
      previous = std::move(current);
    }
  }  // the computation stops here, whatever is left of it
  progress.Finish();
  if (summary.BadVariant) {
    return summary;  // the scratch files go; the reports of an earlier run stay as they were
  }

  surfaces.Finish();
  quantityFile.Commit();
  surfacesFile.Commit();
  summary.Files = {quantityFile.Target(), surfacesFile.Target()};

  const VolumeReportsResult written = reports.Finish(notes);
  summary.Volumes = written.Volumes;
  summary.Transport = written.Transport;
  summary.Files.insert(summary.Files.end(), written.Written.begin(), written.Written.end());
  summary.Written = true;

  if (!wide.Empty()) {
    dialogs.Message(wide.Message());
  }
  if (!summary.LeftOut.empty()) {
    std::string text = "Left out of the quantities for a data error: section";
    text += summary.LeftOut.size() > 1 ? "s" : "";
    for (std::size_t i = 0; i < summary.LeftOut.size(); ++i) {
      text += (i == 0 ? " " : ", ") + std::to_string(summary.LeftOut[i]);
    }
    dialogs.Message(text + ".");
  }
  return summary;
}

}  // namespace

VolumeRunSummary CalcVolumes(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  const std::vector<ReservedFile> projectFiles = ProjectFilesOf(state);
  const std::string quantityPath =
      PromptOutputFile(state.Data.File->Path().string(), ".OUT", dialogs, projectFiles);
  if (quantityPath.empty()) {
    return {};
  }
  const std::string stem = StemBeforeFirstDot(quantityPath);
  if (const auto refusal = OutputsRefusal({{stem + ".DPO", "borrow-pit list of this run"},
                                           {quantityPath, "quantity file of this run"},
                                           {stem + ".SRF", "surfaces report of this run"},
                                           {stem + ".VOL", "volume report of this run"},
                                           {stem + ".TRF", "transport report of this run"}},
                                          projectFiles)) {
    dialogs.Message(*refusal);
    return {};
  }
  while (true) {
    try {
      return RunVolumes(state, quantityPath, dialogs, progress);
    } catch (const FileError& error) {
      progress.Finish();
      if (!dialogs.RetryCancel(error.what())) {
        return {};
      }
    }
  }
}

}  // namespace calvora
