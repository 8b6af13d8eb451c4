#include "section/body_walk.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

#include "section/profile.h"
#include "section/touch_tolerance.h"

namespace calvora {
namespace {

// Which side of the reference a point at height d above it lies on: +1 above, -1 below, 0 on.
int SideOf(double d) {
  return (d > kTouch) - (d < -kTouch);
}

bool Near(SectionPoint a, SectionPoint b) {
  return std::fabs(a.x - b.x) <= kTouch && std::fabs(a.y - b.y) <= kTouch;
}

// Both lines read at one offset of the walk.
struct Reading {
  double x = 0;
  double designIn = 0;
  double designOut = 0;
  double referenceIn = 0;
  double referenceOut = 0;
};

class BodyWalk {
 public:
  BodyWalk(const std::vector<SectionPoint>& design, const std::vector<SectionPoint>& reference,
           WalkScratch& scratch)
      : design_(design),
        designCursor_(design),
        referenceCursor_(reference),
        points_(scratch.points),
        bodies_(scratch.bodies) {
    points_.clear();
    bodies_.clear();
  }

  const std::vector<WalkBody>& Run(const std::vector<double>& offsets);
  // The design-line points of all bodies, in walking order.
  const std::vector<SectionPoint>& Points() const { return points_; }

 private:
  // Points of the current body so far.
  std::size_t CurrentSize() const { return points_.size() - current_.first; }
  Reading ReadAt(double x);
  void Interval(const Reading& a, const Reading& b);
  void AtOffset(const Reading& at);
  // The design point last added lies above (+1), on (0) or below (-1) the reference.
  void Observe(int sign, double x);
  // Points of the current body where the design line lies on the reference, one after the
  // other: a touch, or a run along the reference.
  struct Touch {
    std::size_t first = 0;
    std::size_t last = 0;
    double firstX = 0;
    double lastX = 0;
  };
  // The current body ends where the touch begins; the next, of newKind, begins where it ends.
  void SplitAt(const Touch& touch, int newKind);

  const std::vector<SectionPoint>& design_;
  ProfileCursor designCursor_;
  ProfileCursor referenceCursor_;
  std::vector<SectionPoint>& points_;
  std::vector<WalkBody>& bodies_;
  WalkBody current_;
  std::optional<Touch> touch_;  // since the design line last left the reference
  Reading reading_;             // both lines at the offset being walked
  std::size_t nextDesign_ = 0;
};

Reading BodyWalk::ReadAt(double x) {
  designCursor_.MoveTo(x);
  referenceCursor_.MoveTo(x);
  return {x, designCursor_.In(), designCursor_.Out(), referenceCursor_.In(),
          referenceCursor_.Out()};
}

const std::vector<WalkBody>& BodyWalk::Run(const std::vector<double>& offsets) {
  // Each offset adds a design point or a stand-in, each interval at most a crossing.
  points_.reserve(design_.size() + 2 * offsets.size());
  bodies_.reserve(4);
  current_.startX = offsets.front();
  // At the ends only what lies between them counts.
  Reading previous = ReadAt(offsets.front());
  previous.referenceIn = previous.referenceOut;
  AtOffset(previous);
  for (std::size_t i = 1; i < offsets.size(); ++i) {
    Reading next = ReadAt(offsets[i]);
    if (i + 1 == offsets.size()) {
      next.referenceOut = next.referenceIn;
    }
    Interval(previous, next);
    AtOffset(next);
    previous = next;
  }
  // A run along the reference at the end belongs to no body.
  current_.endX = touch_ ? touch_->firstX : offsets.back();
  current_.last = touch_ ? current_.first + touch_->first : points_.size() - 1;
  bodies_.push_back(current_);
  return bodies_;
}

// Between two offsets both lines are straight: they cross at most once.
void BodyWalk::Interval(const Reading& a, const Reading& b) {
  const double d0 = a.designOut - a.referenceOut;
  const double d1 = b.designIn - b.referenceIn;
  if (SideOf(d0) * SideOf(d1) >= 0) {
    return;
  }
  const double t = d0 / (d0 - d1);
  const SectionPoint crossing{a.x + t * (b.x - a.x), a.designOut + t * (b.designIn - a.designOut)};
  points_.push_back(crossing);
  Observe(0, crossing.x);
}

void BodyWalk::AtOffset(const Reading& at) {
  reading_ = at;
  const double x = at.x;
  if (nextDesign_ == design_.size() || design_[nextDesign_].x != x) {
    // No design vertex here: a point of the design line stands in while it may end a body.
    const SectionPoint stand{x, at.designIn};
    points_.push_back(stand);
    Observe(SideOf(stand.y - at.referenceIn), x);
    Observe(SideOf(stand.y - at.referenceOut), x);
    const bool used = CurrentSize() == 1 || (touch_ && touch_->last == CurrentSize() - 1);
    if (!used && points_.back() == stand) {
      points_.pop_back();
    }
    return;
  }
  const std::size_t first = nextDesign_;
  for (; nextDesign_ < design_.size() && design_[nextDesign_].x == x; ++nextDesign_) {
    const SectionPoint p = design_[nextDesign_];
    points_.push_back(p);
    const double referenceY = nextDesign_ == first ? at.referenceIn : at.referenceOut;
    Observe(SideOf(p.y - referenceY), x);
  }
  if (nextDesign_ - first == 1 && at.referenceIn != at.referenceOut) {
    Observe(SideOf(design_[first].y - at.referenceOut), x);
  }
}

void BodyWalk::Observe(int sign, double x) {
  const std::size_t last = CurrentSize() - 1;
  if (sign == 0) {
    if (touch_) {
      touch_->last = last;
      touch_->lastX = x;
    } else {
      touch_ = Touch{last, last, x, x};
    }
    return;
  }
  if (current_.kind == 0 && touch_) {
    // The first body begins where the design line leaves the reference.
    current_.first += touch_->last;
    current_.startX = touch_->lastX;
  }
  if (current_.kind == 0 || sign == current_.kind) {
    current_.kind = sign;
    touch_.reset();
    return;
  }
  if (touch_) {
    SplitAt(*touch_, sign);
    touch_.reset();
    return;
  }
  // The side changed at a vertical step of one line. Down (or up) a vertical design edge the
  // body ends where the edge first reaches the reference, which may itself step here; else at
  // the design point itself.
  std::size_t end = last;
  const std::size_t at = current_.first + last;
  if (last >= 1 && points_[at - 1].x == x) {
    const double from = points_[at - 1].y;
    const double y = std::clamp(from, std::min(reading_.referenceIn, reading_.referenceOut),
                                std::max(reading_.referenceIn, reading_.referenceOut));
    if (y == from) {
      end = last - 1;
    } else {
      points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(at), SectionPoint{x, y});
    }
  }
  SplitAt(Touch{end, end, x, x}, sign);
}

void BodyWalk::SplitAt(const Touch& touch, int newKind) {
  WalkBody done = current_;
  done.endX = touch.firstX;
  done.last = current_.first + touch.first;
  bodies_.push_back(done);
  current_.first += touch.last;
  current_.startX = touch.lastX;
  current_.kind = newKind;
}

// Points that touch are one point of the ring.
void AppendWithoutRepeat(std::vector<SectionPoint>& ring, SectionPoint p) {
  if (ring.empty() || !Near(ring.back(), p)) {
    ring.push_back(p);
  }
}

// A line's points strictly between two offsets, walked from b back to a.
void AppendBackwards(std::vector<SectionPoint>& ring, const Profile& line, double a, double b,
                     double lowerBy) {
  const std::size_t first = line.FirstAfter(a);
  for (std::size_t i = line.FirstFrom(b); i-- > first;) {
    const SectionPoint p = line.Points()[i];
    AppendWithoutRepeat(ring, {p.x, p.y - lowerBy});
  }
}

void AppendForwards(std::vector<SectionPoint>& ring, const Profile& line, double a, double b) {
  for (std::size_t i = line.FirstAfter(a); i < line.FirstFrom(b); ++i) {
    AppendWithoutRepeat(ring, line.Points()[i]);
  }
}

void Close(std::vector<SectionPoint>& ring) {
  if (ring.size() > 1 && Near(ring.back(), ring.front())) {
    ring.back() = ring.front();
  } else {
    ring.push_back(ring.front());
  }
}

// Length of the part of edge a-b that lies between the offsets left and right.
double LengthWithin(SectionPoint a, SectionPoint b, double left, double right) {
  if (a.x == b.x) {
    return (a.x >= left && a.x <= right) ? std::fabs(b.y - a.y) : 0.0;
  }
  const double from = std::max(std::min(a.x, b.x), left);
  const double to = std::min(std::max(a.x, b.x), right);
  if (to <= from) {
    return 0.0;
  }
  return std::hypot(b.x - a.x, b.y - a.y) * (to - from) / std::fabs(b.x - a.x);
}

SectionPolygon BodyPolygon(const WalkBody& body, const std::vector<SectionPoint>& design,
                           const Profile& under, const WalkLines& lines) {
  SectionPolygon polygon;
  polygon.Kind = body.kind > 0 ? PolygonKind::Fill : PolygonKind::Cut;
  std::vector<SectionPoint>& ring = polygon.Points;
  ring.reserve(body.last - body.first + under.Points().size() + 4);
  for (std::size_t i = body.first; i <= body.last; ++i) {
    AppendWithoutRepeat(ring, design[i]);
    if (i > body.first) {
      polygon.Length +=
          LengthWithin(design[i - 1], design[i], lines.templateLeft, lines.templateRight);
    }
  }
  AppendWithoutRepeat(ring, {body.endX, under.In(body.endX)});
  AppendBackwards(ring, under, body.startX, body.endX, 0.0);
  AppendWithoutRepeat(ring, {body.startX, under.Out(body.startX)});
  Close(ring);
  return polygon;
}

SectionPolygon StripBand(const WalkBody& body, const Profile& ground, double depth) {
  SectionPolygon band;
  band.Kind = PolygonKind::Cut;
  std::vector<SectionPoint>& ring = band.Points;
  ring.reserve(2 * ground.Points().size() + 5);
  const SectionPoint start{body.startX, ground.Out(body.startX)};
  const SectionPoint end{body.endX, ground.In(body.endX)};
  ring.push_back(start);
  AppendForwards(ring, ground, body.startX, body.endX);
  AppendWithoutRepeat(ring, end);
  AppendWithoutRepeat(ring, {end.x, end.y - depth});
  AppendBackwards(ring, ground, body.startX, body.endX, depth);
  AppendWithoutRepeat(ring, {start.x, start.y - depth});
  Close(ring);
  return band;
}

}  // namespace

std::vector<SectionPolygon> WalkDesignLine(const WalkLines& lines, double stripDepth,
                                           std::vector<SectionPolygon>& strips,
                                           WalkScratch& scratch) {
  const Profile reference(lines.reference);
  const Profile ground(lines.ground);
  const double left = lines.design.front().x;
  const double right = lines.design.back().x;

  std::vector<double>& offsets = scratch.offsets;
  offsets.clear();
  offsets.reserve(lines.design.size() + lines.reference.size() + lines.ground.size());
  for (const std::vector<SectionPoint>* line : {&lines.design, &lines.reference, &lines.ground}) {
    for (const SectionPoint& p : *line) {
      if (p.x >= left && p.x <= right) {
        offsets.push_back(p.x);
      }
    }
  }
  std::sort(offsets.begin(), offsets.end());
  offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());

  BodyWalk walk(lines.design, lines.reference, scratch);
  const std::vector<WalkBody>& bodies = walk.Run(offsets);
  std::vector<SectionPolygon> polygons;
  polygons.reserve(bodies.size());
  for (const WalkBody& body : bodies) {
    if (body.kind == 0 || !(body.endX > body.startX)) {
      continue;  // nothing between the lines
    }
    const bool fill = body.kind > 0;
    polygons.push_back(BodyPolygon(body, walk.Points(), fill ? reference : ground, lines));
    if (fill && stripDepth > 0) {
      strips.push_back(StripBand(body, ground, stripDepth));
    }
  }
  return polygons;
}

}  // namespace calvora
