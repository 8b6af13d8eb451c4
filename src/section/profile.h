#pragma once
// A line of the section read as a function of the offset: its offsets never decrease, and where
// it runs vertically it has two elevations, the one arriving from the left (In) and the one
// leaving to the right (Out).

#include <cstddef>
#include <vector>

#include "section/section_results.h"

namespace calvora {

class Profile {
 public:
  explicit Profile(const std::vector<SectionPoint>& points) : points_(points) {}

  // Offsets never decrease along the points.
  static bool Runs(const std::vector<SectionPoint>& points);

  double In(double x) const;
  double Out(double x) const;
  // Indices [first, last) of the points with a < x < b.
  std::size_t FirstAfter(double a) const;
  std::size_t FirstFrom(double b) const;
  const std::vector<SectionPoint>& Points() const { return points_; }

 private:
  const std::vector<SectionPoint>& points_;
};

// Reads a profile at offsets that never decrease, without searching from the start each time.
class ProfileCursor {
 public:
  explicit ProfileCursor(const std::vector<SectionPoint>& points) : points_(points) {}
  void MoveTo(double x);
  double In() const { return in_; }
  double Out() const { return out_; }

 private:
  const std::vector<SectionPoint>& points_;
  std::size_t first_ = 0;  // first point at or after x
  std::size_t after_ = 0;  // first point after x
  double in_ = 0;
  double out_ = 0;
};

}  // namespace calvora
