#include "section/profile.h"

#include <algorithm>

namespace calvora {
namespace {

double Interpolate(SectionPoint a, SectionPoint b, double x) {
  return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

}  // namespace

bool Profile::Runs(const std::vector<SectionPoint>& points) {
  return std::is_sorted(points.begin(), points.end(),
                        [](SectionPoint a, SectionPoint b) { return a.x < b.x; });
}

std::size_t Profile::FirstAfter(double a) const {
  const auto it = std::upper_bound(points_.begin(), points_.end(), a,
                                   [](double x, SectionPoint p) { return x < p.x; });
  return static_cast<std::size_t>(it - points_.begin());
}

std::size_t Profile::FirstFrom(double b) const {
  const auto it = std::lower_bound(points_.begin(), points_.end(), b,
                                   [](SectionPoint p, double x) { return p.x < x; });
  return static_cast<std::size_t>(it - points_.begin());
}

double Profile::In(double x) const {
  const std::size_t i = FirstFrom(x);
  if (i == points_.size()) {
    return points_.back().y;
  }
  if (i == 0 || points_[i].x == x) {
    return points_[i].y;
  }
  return Interpolate(points_[i - 1], points_[i], x);
}

double Profile::Out(double x) const {
  const std::size_t i = FirstAfter(x);
  if (i == 0) {
    return points_.front().y;
  }
  if (i == points_.size() || points_[i - 1].x == x) {
    return points_[i - 1].y;
  }
  return Interpolate(points_[i - 1], points_[i], x);
}

void ProfileCursor::MoveTo(double x) {
  const std::size_t size = points_.size();
  while (first_ < size && points_[first_].x < x) {
    ++first_;
  }
  after_ = std::max(after_, first_);
  while (after_ < size && points_[after_].x <= x) {
    ++after_;
  }
  if (first_ == size) {
    in_ = points_.back().y;
  } else if (first_ == 0 || points_[first_].x == x) {
    in_ = points_[first_].y;
  } else {
    in_ = Interpolate(points_[first_ - 1], points_[first_], x);
  }
  if (after_ == 0) {
    out_ = points_.front().y;
  } else if (after_ == size || points_[after_ - 1].x == x) {
    out_ = points_[after_ - 1].y;
  } else {
    out_ = Interpolate(points_[after_ - 1], points_[after_], x);
  }
}

}  // namespace calvora
