#include "alignment/project_elevations.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/vertical_profile.h"
#include "numbers/number_text.h"
#include "project/data_file_lock.h"
#include "project/file_names.h"
#include "project/progress_shown.h"
#include "project/scratch_output.h"
#include "records/record_image.h"
#include "records/section_record.h"

namespace calvora {

namespace {

constexpr const char* kChangeQuestion =
    "This process will change the Data file contents.\r"
    "Calvora will create a backup of your data file.\r"
    "Continue ?\r";

// How a pass over the sections ended.
struct PassEnd {
  bool ranOut = false;  // no section lay beyond its range
  double station = 0;   // of the section at which it ended (or of the last section)
};

// The passes over the sections of one survey data file, record by record.
class SectionPasses {
 public:
  SectionPasses(RecordImage& data, Progress& progress) : data_(data), progress_(progress) {}

  // The grade from a to b.
  PassEnd Grade(const VerticalPoint& a, const VerticalPoint& b) {
    return Pass([&](double x) -> std::optional<Step> {
      if (x > b.station) {
        return std::nullopt;
      }
      if (x >= a.station) {
        return Step{OnGrade(x, a.station, a.elevation, b.station, b.elevation)};
      }
      return Step{};
    });
  }

  // The vertical curve at mid between the grades from before and to after; sections before
  // keepBefore belong to the curve before and are left as they are.
  PassEnd Curve(const VerticalPoint& before, const VerticalPoint& mid, const VerticalPoint& after,
                double keepBefore) {
    const double s0 = before.station, e0 = before.elevation;
    const double s1 = mid.station, e1 = mid.elevation;
    const double s2 = after.station, e2 = after.elevation;
    const double length = mid.curveLength;
    const double g1 = (e1 - e0) / (s1 - s0) * 100;
    const double g2 = (e2 - e1) / (s2 - s1) * 100;
    const double k = length > 0 ? (g2 - g1) / (200 * length) : 0;
    const double b = s1 - length / 2;
    const double f = s1 + length / 2;
    const double eb = OnGrade(b, s0, e0, s1, e1);
    const double ef = OnGrade(f, s1, e1, s2, e2);
    return Pass([&](double x) -> std::optional<Step> {
      if (x < keepBefore) {
        return Step{};
      }
      if (x >= s0 && x <= b) {
        return Step{OnGrade(x, s0, e0, b, eb)};
      }
      if (x > b && x < f) {
        return Step{OnGrade(x, s0, e0, s1, e1) + k * (x - b) * (x - b)};
      }
      if (x >= f && x <= s2) {
        if (after.curveMid) {
          return std::nullopt;
        }
        return Step{OnGrade(x, f, ef, s2, e2)};
      }
      if (x > s2) {
        return std::nullopt;
      }
      return Step{};
    });
  }

 private:
  struct Step {
    std::optional<double> elevation;  // nothing: the section is left as it is
  };

  // Walks the sections from the first; rule gives a section's elevation, or nullopt to end.
  template <typename Rule>
  PassEnd Pass(const Rule& rule) {
    PassEnd end{true, 0};
    const int count = data_.Count();
    for (int n = 1; n <= count; ++n) {
      SectionRecord section = ReadRecord<SectionRecord>(data_, n);
      progress_.Step(n);
      const double x = section.Station();
      end.station = x;
      const std::optional<Step> step = rule(x);
      if (!step) {
        end.ranOut = false;
        return end;
      }
      if (step->elevation) {
        section.PRElev = static_cast<float>(RoundTo(*step->elevation, 2));
        WriteRecord(data_, n, section);
      }
    }
    return end;
  }

  RecordImage& data_;
  Progress& progress_;
};

void MakeBackup(const RecordImage& data, const std::string& backupName, Progress& progress) {
  for (int n = 1; n <= data.Count(); ++n) {
    progress.Step(n);
  }
  const auto bytes = data.Bytes();
  WriteFileAtomically(backupName,
                      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The walk over the vertical points: grades between them, a curve at every curve mid point.
void ComputeElevations(const std::vector<VerticalPoint>& points, SectionPasses& passes) {
  std::size_t i = 0;
  while (i < points.size() && points[i].curveMid) {
    ++i;
  }
  if (i == points.size()) {
    return;
  }
  VerticalPoint previous = points[i++];
  double lastStop = 0;
  double keepBefore = -std::numeric_limits<double>::infinity();
  while (i < points.size()) {
    const VerticalPoint& current = points[i];
    PassEnd end{false, lastStop};
    const bool lastPoint = i + 1 == points.size();
    if (!current.curveMid || lastPoint) {
      // A curve mid point without a following point ends with the grade to its mid station.
      if (lastStop <= current.station) {
        end = passes.Grade(previous, current);
      }
      keepBefore = -std::numeric_limits<double>::infinity();
    } else {
      const VerticalPoint& after = points[i + 1];
      end = passes.Curve(previous, current, after, keepBefore);
      keepBefore = after.curveMid ? current.station + current.curveLength / 2
                                  : -std::numeric_limits<double>::infinity();
    }
    if (end.ranOut) {
      return;  // no section lies beyond: a later pass could only overwrite this one
    }
    lastStop = end.station;
    previous = current;
    ++i;
  }
}

}  // namespace

std::string DataBackupName(const std::string& dataPath) {
  return StemBeforeFirstDot(dataPath) + ".BAK";
}

CommandResult CalcProjectElevations::Run(ProjectState& state, UserDialogs& dialogs,
                                         Progress& progress) {
  CommandResult result = CommandResult::Stopped;
  RunRetryingFileErrors(dialogs, [&] {
    const std::vector<VerticalPoint> points = ReadVerticalPoints(ReadAlignmentRecords(state.Align));
    if (auto defect = VerticalPointsDefect(points)) {
      dialogs.Message(*defect);
      return;
    }
    const auto lock = LockDataFile(state, dialogs);
    if (!lock || !dialogs.YesNo(QuestionId::ChangeFile, kChangeQuestion)) {
      return;
    }
    RecordFile& file = *state.Data.File;
    // The backup and the passes work on one image of the file; the file is replaced whole.
    RecordImage data(file);
    ProgressShown shown(progress, data.Count());
    MakeBackup(data, DataBackupName(file.Path().string()), progress);
    SectionPasses passes(data, progress);
    ComputeElevations(points, passes);
    file.Replace(data.Bytes());
    result = CommandResult::Done;
  });
  return result;
}

}  // namespace calvora
