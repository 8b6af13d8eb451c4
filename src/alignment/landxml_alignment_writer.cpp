#include "alignment/landxml_alignment_writer.h"

#include <algorithm>
#include <cmath>

#include "alignment/alignment_polygon.h"
#include "alignment/landxml_text.h"
#include "alignment/road_axis.h"
#include "alignment/vertical_profile.h"

namespace calvora {

namespace {

// Elements shorter than this print as 0 and are left out.
constexpr double kNoLength = 0.00005;

void SetNumber(pugi::xml_node node, const char* name, double value,
               int decimals = kLengthDecimals) {
  node.append_attribute(name).set_value(LandXmlNumber(value, decimals).c_str());
}

void AddPoint(pugi::xml_node parent, const char* name, PlanePoint p) {
  parent.append_child(name).text().set(LandXmlPoint(p).c_str());
}

const char* Rotation(int turnSign) {
  return turnSign > 0 ? "cw" : "ccw";
}

void AddLine(pugi::xml_node geometry, const AxisElement& e) {
  pugi::xml_node line = geometry.append_child("Line");
  SetNumber(line, "staStart", e.station);
  SetNumber(line, "length", e.length);
  AddPoint(line, "Start", e.start);
  AddPoint(line, "End", e.end);
}

// The centre of the circle of the arc's radius through both its ends, on the side of the
// centre it was laid out from: a curve record whose angle differs from the polygon's by the
// rounding of the stored numbers leaves that one a little off its ends.
PlanePoint CentreThroughEnds(const AxisElement& e) {
  const PlanePoint middle{(e.start.x + e.end.x) / 2, (e.start.y + e.end.y) / 2};
  const double half = Distance(e.start, e.end) / 2;
  const double across = std::sqrt(std::max(0.0, e.radius * e.radius - half * half));
  return PointAlong(middle, e.centre, across);
}

// The angle of the circular arc alone, from the corner's record: the whole deflection less the
// turns of the spirals.
double ArcAngle(const AxisElement& e) {
  const double spirals = e.spiralParameter * e.spiralParameter / (e.radius * e.radius);
  return e.deflection - spirals;
}

void AddCurve(pugi::xml_node geometry, const AxisElement& e) {
  pugi::xml_node curve = geometry.append_child("Curve");
  curve.append_attribute("rot").set_value(Rotation(e.turnSign));
  curve.append_attribute("crvType").set_value("arc");
  SetNumber(curve, "staStart", e.station);
  SetNumber(curve, "length", e.length);
  SetNumber(curve, "radius", e.radius);
  SetNumber(curve, "delta", ArcAngle(e), kAngleDecimals);
  AddPoint(curve, "Start", e.start);
  AddPoint(curve, "Center", CentreThroughEnds(e));
  AddPoint(curve, "End", e.end);
  AddPoint(curve, "PI", TangentsMeet(e));
}

void AddSpiral(pugi::xml_node geometry, const AxisElement& e) {
  pugi::xml_node spiral = geometry.append_child("Spiral");
  spiral.append_attribute("rot").set_value(Rotation(e.turnSign));
  spiral.append_attribute("spiType").set_value("clothoid");
  SetNumber(spiral, "staStart", e.station);
  SetNumber(spiral, "length", e.length);
  const std::string radius = LandXmlNumber(e.radius);
  spiral.append_attribute("radiusStart").set_value(e.leavesCircle ? radius.c_str() : "INF");
  spiral.append_attribute("radiusEnd").set_value(e.leavesCircle ? "INF" : radius.c_str());
  SetNumber(spiral, "constant", e.spiralParameter);
  SetNumber(spiral, "theta", e.length / (2 * e.radius), kAngleDecimals);
  AddPoint(spiral, "Start", e.start);
  AddPoint(spiral, "PI", TangentsMeet(e));
  AddPoint(spiral, "End", e.end);
}

void AddProfile(pugi::xml_node alignment, const std::string& name,
                const std::vector<VerticalPoint>& points) {
  if (points.empty()) {
    return;
  }
  pugi::xml_node profile = alignment.append_child("Profile");
  profile.append_attribute("name").set_value(name.c_str());
  pugi::xml_node grades = profile.append_child("ProfAlign");
  grades.append_attribute("name").set_value(name.c_str());
  for (const VerticalPoint& point : points) {
    pugi::xml_node node = grades.append_child(point.curveMid ? "ParaCurve" : "PVI");
    if (point.curveMid) {
      SetNumber(node, "length", point.curveLength);
    }
    node.text().set((LandXmlNumber(point.station) + " " + LandXmlNumber(point.elevation)).c_str());
  }
}

}  // namespace

pugi::xml_node AppendLandXmlAlignment(pugi::xml_node alignments, const std::string& name,
                                      const std::vector<AlignmentRecord>& records) {
  const std::vector<AxisElement> axis = RoadAxis(ReadPolygon(records));
  pugi::xml_node alignment = alignments.append_child("Alignment");
  alignment.append_attribute("name").set_value(name.c_str());
  SetNumber(alignment, "staStart", axis.front().station);
  SetNumber(alignment, "length", axis.back().EndStation() - axis.front().station);
  pugi::xml_node geometry = alignment.append_child("CoordGeom");
  for (const AxisElement& e : axis) {
    if (e.length < kNoLength) {
      continue;
    }
    switch (e.kind) {
      case AxisElementKind::Tangent:
        AddLine(geometry, e);
        break;
      case AxisElementKind::Arc:
        AddCurve(geometry, e);
        break;
      case AxisElementKind::Spiral:
        AddSpiral(geometry, e);
        break;
    }
  }
  AddProfile(alignment, name, ReadVerticalPoints(records));
  return alignment;
}

}  // namespace calvora
