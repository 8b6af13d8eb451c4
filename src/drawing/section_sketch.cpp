#include "drawing/section_sketch.h"

#include <algorithm>
#include <cmath>

#include "numbers/number_text.h"

namespace calvora {

namespace {

// Room around the drawing, in twips: elevation labels on the left, offsets below, the
// messages above.
constexpr double kLeftRoom = 900;
constexpr double kRightRoom = 240;
constexpr double kBottomRoom = 420;
constexpr double kTopRoom = 240;
constexpr double kTextTwips = 180;  // 9 points
constexpr double kLineTwips = 260;
constexpr double kPointsPerUnitText = 14.4;  // a font of this size is one user unit high
constexpr double kTickTwips = 60;
constexpr double kLeastSpan = 1;  // metres: a section of one point still has a scale

constexpr std::int16_t kGridPen = 7;
constexpr std::int16_t kGroundPen = 4;
constexpr std::int16_t kCentrePen = 9;
constexpr std::int16_t kDesignPen = 0;
constexpr std::int16_t kAxisPen = 8;

struct Extent {
  double left = 0, right = 0, bottom = 0, top = 0;
  bool empty = true;
  void Take(SectionPoint p) {
    left = empty ? p.x : std::min(left, p.x);
    right = empty ? p.x : std::max(right, p.x);
    bottom = empty ? p.y : std::min(bottom, p.y);
    top = empty ? p.y : std::max(top, p.y);
    empty = false;
  }
};

// A step of 1, 2 or 5 times a power of ten, at least least metres.
double RoundStep(double least) {
  const double power = std::pow(10.0, std::floor(std::log10(least)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= least) {
      return factor * power;
    }
  }
  return 10 * power;
}

// A message's lines: the engine breaks its texts with a carriage return.
std::vector<std::string> Lines(const std::vector<std::string>& messages) {
  std::vector<std::string> lines;
  for (const std::string& message : messages) {
    std::size_t start = 0;
    while (start <= message.size()) {
      const std::size_t end = std::min(message.find_first_of("\r\n", start), message.size());
      if (end > start) {
        lines.push_back(message.substr(start, end - start));
      }
      start = end + 1;
    }
  }
  return lines;
}

void Polyline(clsGraphic& graphic, const std::vector<SectionPoint>& points, std::int16_t pen) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    graphic.DrawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, pen);
  }
}

}  // namespace

void SectionSketch::Show(const ProjectState& state, const SectionRecord& section, int record) {
  ground_.clear();
  design_.clear();
  messages_.clear();
  const int left = std::min(section.PointsOnSide(-1), SectionRecord::kMaxPointsPerSide);
  const int right = std::min(section.PointsOnSide(1), SectionRecord::kMaxPointsPerSide);
  for (int i = -left; i <= right; ++i) {
    ground_.push_back(i == 0
                          ? SectionPoint{0, section.GRElev}
                          : SectionPoint{section.GroundPoints(i, 0), section.GroundPoints(i, 1)});
  }
  if (!state.Var.Loaded()) {
    return;
  }
  try {
    engine_.ComputeSection(section, &*state.Var.File, state.Project, record);
  } catch (const FileError& error) {
    messages_ = Lines({error.what()});
    return;
  }
  const SectionResults& results = engine_.Results();
  messages_ = Lines(results.Messages);
  if (results.BadVariant || results.Invalid) {
    return;
  }
  const auto& leftLine = results.DesignLine[-1];
  design_.assign(leftLine.rbegin(), leftLine.rend());
  const auto& rightLine = results.DesignLine[1];
  design_.insert(design_.end(), rightLine.begin() + (rightLine.empty() ? 0 : 1), rightLine.end());
}

void SectionSketch::ShowProblem(const std::string& message) {
  ground_.clear();
  design_.clear();
  messages_ = Lines({message});
}

void SectionSketch::Draw(clsGraphic& graphic) const {
  const double width = graphic.Width();
  const double height = graphic.Height();
  const double topRoom = kTopRoom + kLineTwips * double(messages_.size());
  Extent extent;
  for (const auto* line : {&ground_, &design_}) {
    for (const SectionPoint& p : *line) {
      extent.Take(p);
    }
  }
  if (extent.empty) {
    extent.Take({0, 0});
  }
  const double spanX = std::max(extent.right - extent.left, kLeastSpan);
  const double spanY = std::max(extent.top - extent.bottom, kLeastSpan);
  const double roomX = std::max(width - kLeftRoom - kRightRoom, 1.0);
  const double roomY = std::max(height - topRoom - kBottomRoom, 1.0);
  const double twipsPerMetre = std::min(roomX / spanX, roomY / spanY);
  const double midX = (extent.left + extent.right) / 2;
  const double midY = (extent.bottom + extent.top) / 2;
  // The drawing's middle at the middle of the room left for it.
  const double left = midX - (kLeftRoom + roomX / 2) / twipsPerMetre;
  const double top = midY + (topRoom + roomY / 2) / twipsPerMetre;
  graphic.Scale = {left, top, width / twipsPerMetre, -height / twipsPerMetre};
  graphic.SetScale();
  GraphicFont font = graphic.Font();
  font.Size = float(kPointsPerUnitText * kTextTwips / twipsPerMetre);
  graphic.SetFont(font);
  graphic.SetDrawWidth(1);
  graphic.SetDrawStyle(0);

  const double metre = 1 / twipsPerMetre;  // one twip in metres
  const double viewLeft = midX - roomX / 2 * metre;
  const double viewRight = midX + roomX / 2 * metre;
  const double viewBottom = midY - roomY / 2 * metre;
  const double viewTop = midY + roomY / 2 * metre;
  const double stepX = RoundStep(kLeftRoom * metre);
  const double stepY = RoundStep(kLineTwips * 1.5 * metre);
  for (double x = std::ceil(viewLeft / stepX) * stepX; x <= viewRight; x += stepX) {
    graphic.DrawLine(x, viewBottom, x, viewTop, kGridPen);
    graphic.DrawLine(x, viewBottom, x, viewBottom - kTickTwips * metre, kAxisPen);
    const std::string label = PlainNumber(RoundTo(x, 3));
    graphic.DrawText(x - graphic.TextWidth(label) / 2, viewBottom - kTickTwips * 1.5 * metre,
                     label);
  }
  for (double y = std::ceil(viewBottom / stepY) * stepY; y <= viewTop; y += stepY) {
    graphic.DrawLine(viewLeft, y, viewRight, y, kGridPen);
    graphic.DrawLine(viewLeft - kTickTwips * metre, y, viewLeft, y, kAxisPen);
    const std::string label = PlainNumber(RoundTo(y, 3));
    graphic.DrawText(viewLeft - kTickTwips * 1.5 * metre - graphic.TextWidth(label),
                     y + kTextTwips / 2 * metre, label);
  }
  graphic.DrawLine(viewLeft, viewBottom, viewRight, viewBottom, kAxisPen);
  graphic.DrawLine(viewLeft, viewBottom, viewLeft, viewTop, kAxisPen);

  graphic.SetDrawStyle(3);
  graphic.DrawLine(0, viewBottom, 0, viewTop, kCentrePen);
  graphic.SetDrawStyle(0);
  Polyline(graphic, ground_, kGroundPen);
  const double mark = kTickTwips * metre;
  for (const SectionPoint& p : ground_) {
    graphic.DrawLine(p.x - mark, p.y - mark, p.x + mark, p.y + mark, kGroundPen);
    graphic.DrawLine(p.x - mark, p.y + mark, p.x + mark, p.y - mark, kGroundPen);
  }
  graphic.SetDrawWidth(2);
  Polyline(graphic, design_, kDesignPen);
  graphic.SetDrawWidth(1);

  double lineTop = top - kTopRoom / 2 * metre;
  for (const std::string& message : messages_) {
    graphic.DrawText(viewLeft, lineTop, message);
    lineTop -= kLineTwips * metre;
  }
}

}  // namespace calvora
