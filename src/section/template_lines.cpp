#include "section/template_lines.h"

#include <cmath>
#include <cstdlib>

#include "numbers/number_text.h"

namespace calvora {

namespace {

struct Vector {
  double x = 0;
  double y = 0;
};

Vector LineVector(const VariantRecord& record, int k) {
  const int s = SideOf(k);
  return {double(record.Point(k, 0)) - record.Point(k - s, 0),
          double(record.Point(k, 1)) - record.Point(k - s, 1)};
}

// Moves the vertices from `from` out to the side's end by v.
void ShiftOutwards(VariantRecord& record, int from, Vector v) {
  const int s = SideOf(from);
  for (int k = from; std::abs(k) <= record.LinesOnSide(s); k += s) {
    record.Point(k, 0) = float(record.Point(k, 0) + v.x);
    record.Point(k, 1) = float(record.Point(k, 1) + v.y);
  }
}

// Why a changed side cannot be stored: a vertex on the other side of the centre line, or a
// number a file must not hold.
std::string Refusal(const VariantRecord& record, int s) {
  for (int k = s; std::abs(k) <= record.LinesOnSide(s); k += s) {
    const float x = record.Point(k, 0);
    if (!std::isfinite(x) || !std::isfinite(record.Point(k, 1))) {
      return "The line is too large to be stored.";
    }
    if (x * float(s) < 0) {
      return "The template would fold back across the centre line.";
    }
  }
  return {};
}

// The new end of line k from its start and the size typed.
Vector EndVector(LineSize size, int s) {
  const double length = std::fabs(size.length);
  return {s * length, length * size.slope};
}

// Applies the change to a copy; the record takes it only when the side stays storable.
template <typename Change>
std::string Checked(VariantRecord& record, int s, Change change) {
  VariantRecord changed = record;
  change(changed);
  std::string refusal = Refusal(changed, s);
  if (refusal.empty()) {
    record = changed;
  }
  return refusal;
}

void SetEnd(VariantRecord& record, int k, Vector v) {
  const int s = SideOf(k);
  record.Point(k, 0) = float(record.Point(k - s, 0) + v.x);
  record.Point(k, 1) = float(record.Point(k - s, 1) + v.y);
}

}  // namespace

int SideOf(double x) {
  return x > 0 ? 1 : -1;
}

int OuterVertex(const VariantRecord& record, int side) {
  return side * record.LinesOnSide(side);
}

LineSize LineSizeOf(const VariantRecord& record, int k) {
  const Vector v = LineVector(record, k);
  const double length = RoundTo(std::fabs(v.x), 3);
  if (length == 0) {
    return {RoundTo(std::fabs(v.y), 2), 0};
  }
  return {length, RoundTo(v.y / length, 3)};
}

std::string LineToolTip(const VariantRecord& record, int k) {
  const LineSize size = LineSizeOf(record, k);
  return "L= " + PlainNumber(size.length) + "  S= " + PlainNumber(size.slope);
}

int LineUnder(const VariantRecord& record, double x) {
  const int s = SideOf(x);
  const int last = OuterVertex(record, s);
  for (int k = s; std::abs(k) <= std::abs(last); k += s) {
    if (std::fabs(record.Point(k - s, 0)) <= std::fabs(x) &&
        std::fabs(x) <= std::fabs(record.Point(k, 0))) {
      return k;
    }
  }
  return last + s;
}

std::string InsertLine(VariantRecord& record, int k, LineSize size) {
  const int s = SideOf(k);
  const int count = OuterVertex(record, s);
  if (std::abs(count) >= kMaxLinesPerSide) {
    return "A side holds at most " + std::to_string(kMaxLinesPerSide) + " lines.";
  }
  return Checked(record, s, [&](VariantRecord& changed) {
    changed.LineCount[s] = float(count + s);
    for (int i = count + s; i != k; i -= s) {
      changed.Point(i, 0) = changed.Point(i - s, 0);
      changed.Point(i, 1) = changed.Point(i - s, 1);
    }
    const Vector v = EndVector(size, s);
    SetEnd(changed, k, v);
    ShiftOutwards(changed, k + s, v);
  });
}

std::string SetLine(VariantRecord& record, int k, LineSize size) {
  const int s = SideOf(k);
  return Checked(record, s, [&](VariantRecord& changed) {
    const Vector before = LineVector(changed, k);
    Vector after = EndVector(size, s);
    if (before.x == 0 && size.slope == 0) {
      after = {0, before.y < 0 ? -std::fabs(size.length) : std::fabs(size.length)};
    }
    SetEnd(changed, k, after);
    ShiftOutwards(changed, k + s, {after.x - before.x, after.y - before.y});
  });
}

std::string DeleteLine(VariantRecord& record, int k) {
  const int s = SideOf(k);
  return Checked(record, s, [&](VariantRecord& changed) {
    const int count = OuterVertex(changed, s);
    const Vector v = LineVector(changed, k);
    ShiftOutwards(changed, k + s, {-v.x, -v.y});
    for (int i = k; i != count; i += s) {
      changed.Point(i, 0) = changed.Point(i + s, 0);
      changed.Point(i, 1) = changed.Point(i + s, 1);
    }
    changed.Point(count, 0) = 0;
    changed.Point(count, 1) = 0;
    changed.LineCount[s] = float(count - s);
  });
}

}  // namespace calvora
