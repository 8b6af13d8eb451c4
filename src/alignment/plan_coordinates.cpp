#include "alignment/plan_coordinates.h"

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/road_axis.h"
#include "alignment/station_line.h"
#include "alignment/vertical_profile.h"
#include "numbers/number_text.h"
#include "project/prompt_output_file.h"
#include "project/scratch_output.h"
#include "project/working_files.h"

namespace calvora {

namespace {

// More lines than this would come from an interval far too small for the road.
constexpr double kMaxLines = 5'000'000;

// Thrown when the alignment would give more lines than kMaxLines.
struct TooManyLines {};

// Writes the stationed lines of the elements one after another.
class StationedLines {
 public:
  StationedLines(double start, double interval, const VerticalProfile& profile)
      : station_(start), nextMark_(start), interval_(interval), profile_(profile) {}

  // An element of the given length from the running station: a line at every station mark on
  // it and one at its end.
  void Element(double length, const std::function<PlanePoint(double)>& pointAt, PlanePoint end,
               int digits) {
    double offset = nextMark_ - station_;
    if (offset < 0.001) {
      offset = 0;
    }
    for (long k = 0;; ++k) {
      const double l = offset + static_cast<double>(k) * interval_;
      if (l > length) {
        break;
      }
      Line(station_ + l, pointAt(l), digits);
      nextMark_ = station_ + l + interval_;
    }
    station_ += length;
    Line(station_, end, digits);
  }

  std::string& Text() { return text_; }

 private:
  void Line(double station, PlanePoint p, int digits) {
    if (++lineCount_ > kMaxLines) {
      throw TooManyLines{};
    }
    WriteStationLine(text_, station, RoundTo(p.x, digits), RoundTo(p.y, digits),
                     RoundTo(profile_.ElevationAt(station), 3));
  }

  double station_;
  double nextMark_;
  double interval_;
  const VerticalProfile& profile_;
  std::string text_;
  double lineCount_ = 0;
};

// The lines of the whole alignment; nullopt when the person stopped the pass.
std::optional<std::string> StationLines(const std::vector<PolygonPoint>& polygon, double interval,
                                        const VerticalProfile& profile, Progress& progress) {
  StationedLines lines(polygon.front().record.Station(), interval, profile);
  const std::vector<AxisElement> axis = RoadAxis(polygon);
  progress.Start(static_cast<int>(axis.size()));
  for (std::size_t k = 0; k < axis.size(); ++k) {
    if (progress.Step(static_cast<int>(k + 1))) {
      return std::nullopt;
    }
    const AxisElement& element = axis[k];
    lines.Element(element.length, element.pointAt, element.end, element.digits);
  }
  return std::move(lines.Text());
}

double PolygonLength(const std::vector<PolygonPoint>& polygon) {
  double length = 0;
  for (std::size_t i = 1; i < polygon.size(); ++i) {
    length += Distance(polygon[i - 1].point, polygon[i].point);
  }
  return length;
}

}  // namespace

CommandResult CalcPlanCoordinates::Run(ProjectState& state, UserDialogs& dialogs,
                                       Progress& progress) {
  written_.clear();
  CommandResult result = CommandResult::Stopped;
  RunRetryingFileErrors(dialogs, [&] {
    const std::vector<AlignmentRecord> records = ReadAlignmentRecords(state.Align);
    const std::vector<PolygonPoint> polygon = ReadPolygon(records);
    std::vector<VerticalPoint> vertical = ReadVerticalPoints(records);
    if (auto refusal = RoadAxisDefect(polygon, vertical)) {
      dialogs.Message(*refusal);
      return;
    }
    const std::string answer =
        dialogs.InputBox({QuestionId::StationInterval}, "Distance between stations:", "", "20");
    if (answer.empty()) {
      return;
    }
    const double interval = LeadingNumber(answer);
    if (!(interval > 0 && PolygonLength(polygon) / interval < kMaxLines)) {
      dialogs.Message("The distance between stations must be more than 0 and leave fewer than " +
                      PlainNumber(kMaxLines) + " stations on the road.");
      return;
    }
    const std::string output =
        PromptOutputFile(state.Align.File->Path().string(), ".XYZ", dialogs, ProjectFilesOf(state));
    if (output.empty()) {
      return;
    }
    const VerticalProfile profile(std::move(vertical));
    if (polygon.empty()) {
      WriteFileAtomically(output, "");
      written_ = output;
      result = CommandResult::Done;
      return;
    }
    std::optional<std::string> text;
    try {
      text = StationLines(polygon, interval, profile, progress);
    } catch (const TooManyLines&) {
      dialogs.Message("The alignment gives more than " + PlainNumber(kMaxLines) +
                      " stations: choose a larger distance between stations.");
    }
    progress.Finish();
    if (!text) {
      return;
    }
    WriteFileAtomically(output, *text);
    written_ = output;
    result = CommandResult::Done;
  });
  return result;
}

}  // namespace calvora
