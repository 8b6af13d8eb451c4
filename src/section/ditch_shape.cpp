#include "section/ditch_shape.h"

#include <cmath>

namespace calvora {

namespace {

template <typename Table>
DitchRows RowsOf(const Table& table, int side) {
  DitchRows rows;
  for (int k = 1; k <= kDitchRows; ++k) {
    rows[std::size_t(k - 1)] = {table(k * side, 0), table(k * side, 1)};
  }
  return rows;
}

template <typename Table>
void Store(Table& table, int side, const DitchRows& rows) {
  for (int k = 1; k <= Table::kHigh; ++k) {
    const DitchVertex v = k <= kDitchRows ? rows[std::size_t(k - 1)] : DitchVertex{};
    table(k * side, 0) = float(v.x);
    table(k * side, 1) = float(v.y);
  }
}

// The run of a rise at a slope; 0 when the slope is 0.
double Run(double rise, double slope) {
  return slope == 0 ? 0 : std::fabs(rise / slope);
}

double Slope(DitchVertex from, DitchVertex to) {
  const double run = std::fabs(to.x - from.x);
  return run == 0 ? 0 : (to.y - from.y) / run;
}

}  // namespace

DitchRows DitchView(const VariantRecord& record, DitchMode mode, int side) {
  switch (mode) {
    case DitchMode::Cut:
      return RowsOf(record.CutTran, side);
    case DitchMode::Fill:
      return RowsOf(record.FillTran, side);
    case DitchMode::None:
      break;
  }
  return {};
}

int DitchVertexCount(const DitchRows& rows) {
  int count = 0;
  while (count < kDitchRows && rows[std::size_t(count)].x != 0) {
    ++count;
  }
  return count;
}

DitchShape ShapeOf(const DitchRows& rows) {
  DitchShape shape;
  const int count = DitchVertexCount(rows);
  if (count == 0) {
    return shape;
  }
  DitchVertex from = rows[0];
  shape.depth = -from.y;
  shape.innerSlope = std::fabs(Slope({}, from));
  int i = 1;
  const auto level = [&] { return i < count && rows[std::size_t(i)].y == from.y; };
  const auto next = [&] { from = rows[std::size_t(i++)]; };
  if (level()) {
    shape.bottom = std::fabs(rows[std::size_t(i)].x - from.x);
    next();
  }
  if (i < count) {
    shape.outerSlope = Slope(from, rows[std::size_t(i)]);
    shape.outerHeight = rows[std::size_t(i)].y - from.y;
    next();
  }
  if (level()) {
    shape.benchWidth = std::fabs(rows[std::size_t(i)].x - from.x);
    next();
  }
  if (i < count) {
    shape.riseSlope = Slope(from, rows[std::size_t(i)]);
    shape.riseHeight = rows[std::size_t(i)].y - from.y;
  }
  return shape;
}

std::string BuildDitch(const DitchShape& shape, int side, DitchRows& rows) {
  rows = {};
  if (shape.depth == 0) {
    return {};
  }
  if (shape.innerSlope == 0) {
    return "S0 = 0 would make the inner side of the ditch vertical.";
  }
  if (shape.outerSlope == 0) {
    return "S = 0 would make the outer side of the ditch vertical.";
  }
  if (shape.benchWidth != 0 && shape.riseHeight == 0) {
    return "2) H = 0 would end the cut slope with the bench.";
  }
  if (shape.riseHeight != 0 && shape.riseSlope == 0) {
    return "1) S = 0 would make the rise after the bench vertical.";
  }
  std::size_t row = 0;
  DitchVertex at;
  const auto add = [&](double run, double rise) {
    if (run == 0) {
      return;
    }
    at = {at.x + side * run, at.y + rise};
    rows[row++] = at;
  };
  add(Run(shape.depth, shape.innerSlope), -shape.depth);
  add(std::fabs(shape.bottom), 0);
  const double outerHeight = shape.outerHeight == 0 ? shape.depth : shape.outerHeight;
  add(Run(outerHeight, shape.outerSlope), outerHeight);
  add(std::fabs(shape.benchWidth), 0);
  add(Run(shape.riseHeight, shape.riseSlope), shape.riseHeight);
  for (const DitchVertex& v : rows) {
    if (!std::isfinite(float(v.x)) || !std::isfinite(float(v.y))) {
      rows = {};
      return "The ditch is too large to be stored.";
    }
  }
  return {};
}

void StoreDitch(VariantRecord& record, DitchMode mode, int side, const DitchRows& rows) {
  if (mode == DitchMode::Cut) {
    Store(record.CutTran, side, rows);
  } else if (mode == DitchMode::Fill) {
    Store(record.FillTran, side, rows);
  }
}

void RemoveDitch(VariantRecord& record, DitchMode mode, int side) {
  if (mode == DitchMode::Cut) {
    record.CutTran(side, 0) = 0;
  } else if (mode == DitchMode::Fill) {
    record.FillTran(side, 0) = 0;
  }
}

}  // namespace calvora
