#include "drawing/plan_layout.h"

#include <algorithm>
#include <cmath>

namespace calvora {

namespace {

constexpr double kBorderMargin = 1;      // drawing units around the border
constexpr double kTitleStripHeight = 3;  // below the frame, inside the border
constexpr double kFramePadding = 0.4;    // between the border and the frame

}  // namespace

PlanLayout::PlanLayout(const std::vector<PlanePoint>& road, SheetSize sheet, double denominator)
    : sheet_(sheet), denominator_(denominator) {
  PlanBox box{0, 0, 0, 0};
  if (!road.empty()) {
    box = {road.front().x, road.front().y, road.front().x, road.front().y};
  }
  for (const PlanePoint& p : road) {
    box = {std::min(box.left, p.x), std::min(box.bottom, p.y), std::max(box.right, p.x),
           std::max(box.top, p.y)};
  }
  const double tileWidth = std::max(Frame().Width(), 1.0) / UnitsPerMetre();
  const double tileHeight = std::max(Frame().Height(), 1.0) / UnitsPerMetre();
  const double columns = std::max(1.0, std::ceil(box.Width() / tileWidth));
  const double rows = std::max(1.0, std::ceil(box.Height() / tileHeight));
  if (!(columns * rows <= kMostSheets)) {
    tooManySheets_ = true;
    return;
  }
  columns_ = static_cast<int>(columns);
  rows_ = static_cast<int>(rows);
  // The grid of sheets centred on the road.
  const double x0 = (box.left + box.right - columns_ * tileWidth) / 2;
  const double y1 = (box.bottom + box.top + rows_ * tileHeight) / 2;
  extent_ = {x0, y1 - rows_ * tileHeight, x0 + columns_ * tileWidth, y1};
  std::vector<bool> used(static_cast<std::size_t>(columns_ * rows_), road.empty());
  for (const PlanePoint& p : road) {
    const int column =
        std::clamp(static_cast<int>((p.x - extent_.left) / tileWidth), 0, columns_ - 1);
    const int row = std::clamp(static_cast<int>((extent_.top - p.y) / tileHeight), 0, rows_ - 1);
    used[static_cast<std::size_t>(row * columns_ + column)] = true;
  }
  for (int tile = 0; tile < columns_ * rows_; ++tile) {
    if (used[static_cast<std::size_t>(tile)]) {
      tiles_.push_back(tile);
    }
  }
}

double PlanLayout::UnitsPerMetre() const {
  return 1000 / (denominator_ * kMillimetresPerSheetUnit);
}

PlanBox PlanLayout::Border() const {
  return {kBorderMargin, kBorderMargin, sheet_.Width - kBorderMargin,
          sheet_.Height - kBorderMargin};
}

PlanBox PlanLayout::TitleStrip() const {
  const PlanBox border = Border();
  return {border.left, border.bottom, border.right, border.bottom + kTitleStripHeight};
}

PlanBox PlanLayout::Frame() const {
  const PlanBox border = Border();
  return {border.left + kFramePadding, TitleStrip().top + kFramePadding,
          border.right - kFramePadding, border.top - kFramePadding};
}

int PlanLayout::ColumnOf(int sheet) const {
  return tiles_[static_cast<std::size_t>(sheet - 1)] % columns_;
}

int PlanLayout::RowOf(int sheet) const {
  return tiles_[static_cast<std::size_t>(sheet - 1)] / columns_;
}

PlanBox PlanLayout::Plane(int sheet) const {
  const double width = Frame().Width() / UnitsPerMetre();
  const double height = Frame().Height() / UnitsPerMetre();
  const double left = extent_.left + ColumnOf(sheet) * width;
  const double top = extent_.top - RowOf(sheet) * height;
  return {left, top - height, left + width, top};
}

PlanePoint PlanLayout::OnSheet(int sheet, PlanePoint p) const {
  const PlanBox plane = Plane(sheet);
  const PlanBox frame = Frame();
  return {frame.left + (p.x - plane.left) * UnitsPerMetre(),
          frame.bottom + (p.y - plane.bottom) * UnitsPerMetre()};
}

PlanePoint PlanLayout::OnPlane(int sheet, PlanePoint s) const {
  const PlanBox plane = Plane(sheet);
  const PlanBox frame = Frame();
  return {plane.left + (s.x - frame.left) / UnitsPerMetre(),
          plane.bottom + (s.y - frame.bottom) / UnitsPerMetre()};
}

int PlanLayout::TileAt(int column, int row) const {
  if (column < 0 || column >= columns_ || row < 0 || row >= rows_) {
    return 0;
  }
  const auto found = std::find(tiles_.begin(), tiles_.end(), row * columns_ + column);
  return found == tiles_.end() ? 0 : static_cast<int>(found - tiles_.begin()) + 1;
}

int PlanLayout::Neighbour(int sheet, int east, int north) const {
  return TileAt(ColumnOf(sheet) + east, RowOf(sheet) - north);
}

}  // namespace calvora
