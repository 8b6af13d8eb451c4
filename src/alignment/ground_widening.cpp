#include "alignment/ground_widening.h"

#include <cmath>
#include <limits>
#include <string>

#include "numbers/number_text.h"
#include "project/data_file_lock.h"
#include "project/progress_shown.h"
#include "project/scratch_output.h"
#include "records/record_image.h"

namespace calvora {

namespace {

// Wider than any surveyed section: a larger distance is a typing error.
constexpr double kMaxDistance = 10000;

constexpr const char* kChangeQuestion =
    "This process will change your data file contents. You have to make a backup by hand if "
    "you want. Continue ?";

}  // namespace

SideWidening WidenSide(SectionRecord& section, int side, float w) {
  const int stored = section.PointCount[side];
  const int count = stored * side;  // the left count is stored negated
  if (count < 1 || count > SectionRecord::kMaxPointsPerSide) {
    return SideWidening::NoSegment;
  }
  const int outer = stored;         // index of the outermost point
  const int inner = stored - side;  // the one before it
  const float target = side * w;    // -w on the left, +w on the right
  const float outerOffset = section.GroundPoints(outer, 0);
  const bool nearer = side < 0 ? outerOffset > target : outerOffset < target;
  if (!nearer || count == SectionRecord::kMaxPointsPerSide) {
    return SideWidening::Unchanged;
  }
  if (count < 2) {
    return SideWidening::NoSegment;
  }
  const double xa = section.GroundPoints(inner, 0);
  const double ya = section.GroundPoints(inner, 1);
  const double xb = outerOffset;
  const double yb = section.GroundPoints(outer, 1);
  if (xb == xa) {
    return SideWidening::NoSegment;
  }
  const double elevation = ya + (target - xa) * (yb - ya) / (xb - xa);
  if (!std::isfinite(elevation) || std::fabs(elevation) > std::numeric_limits<float>::max()) {
    return SideWidening::NoSegment;
  }
  const int added = outer + side;
  section.PointCount[side] = static_cast<std::int16_t>(added);
  section.GroundPoints(added, 0) = target;
  section.GroundPoints(added, 1) = static_cast<float>(elevation);
  return SideWidening::Widened;
}

CommandResult WidenGround::Run(ProjectState& state, UserDialogs& dialogs, Progress& progress) {
  CommandResult result = CommandResult::Stopped;
  RunRetryingFileErrors(dialogs, [&] {
    const auto lock = LockDataFile(state, dialogs);
    if (!lock || !dialogs.YesNo(QuestionId::ChangeFile, kChangeQuestion)) {
      return;
    }
    const std::string answer =
        dialogs.InputBox({QuestionId::WideningDistance},
                         "Enter new distance from center line for both sides:", "", "50");
    if (answer.empty()) {
      return;
    }
    const double distance = LeadingNumber(answer);
    if (!(distance > 0 && distance <= kMaxDistance)) {
      dialogs.Message(
          "The distance from the center line must be a number greater than 0 and at most "
          "10000 m; the data file is unchanged.");
      return;
    }
    // Widened in an image of the file, which replaces the file whole (also after a Cancel, with
    // the sections done so far).
    RecordImage data(*state.Data.File);
    const int count = data.Count();
    int leftAlone = 0;
    bool stopped = false;
    {
      ProgressShown shown(progress, count);
      for (int n = 1; n <= count; ++n) {
        SectionRecord section = ReadRecord<SectionRecord>(data, n);
        if (progress.Step(n)) {
          stopped = true;
          break;
        }
        bool changed = false;
        for (int side : {-1, 1}) {
          const SideWidening widening = WidenSide(section, side, static_cast<float>(distance));
          changed = changed || widening == SideWidening::Widened;
          leftAlone += widening == SideWidening::NoSegment ? 1 : 0;
        }
        if (changed) {
          WriteRecord(data, n, section);
        }
      }
    }
    state.Data.File->Replace(data.Bytes());
    if (leftAlone > 0) {
      dialogs.Message(std::to_string(leftAlone) +
                      " section sides were left as they were: they have fewer than two ground "
                      "points, or their two outermost points share one offset.");
    }
    result = stopped ? CommandResult::Stopped : CommandResult::Done;
  });
  return result;
}

}  // namespace calvora
