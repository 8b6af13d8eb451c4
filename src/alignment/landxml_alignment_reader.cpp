#include "alignment/landxml_alignment_reader.h"

#include <cmath>
#include <cstring>
#include <optional>

#include "alignment/alignment_polygon.h"
#include "alignment/design_file.h"
#include "alignment/landxml_text.h"
#include "alignment/road_axis.h"
#include "alignment/vertical_profile.h"
#include "numbers/number_text.h"

namespace calvora {

namespace {

// Coordinates, lengths and elevations beyond this are no survey of a road.
constexpr double kLargest = 1e8;
// How far an element of the file may lie from the one the records lay out again.
constexpr double kPlacing = 0.005;
// Directions closer than this continue one tangent.
constexpr double kSameDirection = 1e-7;
constexpr double kNoLength = 0.00005;

// The element's name without a namespace prefix.
std::string_view LocalName(pugi::xml_node node) {
  const std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(pugi::xml_node parent, std::string_view name) {
  for (pugi::xml_node child : parent.children()) {
    if (LocalName(child) == name) {
      return child;
    }
  }
  return {};
}

// A refusal naming the element and the station it starts at.
struct Refusal {
  std::string text;
};

std::string At(std::string_view element, double station) {
  return "The " + std::string(element) + " at station " + StationLabel(station, 4);
}

double Normalized(double angle) {
  return angle - 2 * kAlignmentPi * std::floor(angle / (2 * kAlignmentPi));
}

struct FileElement {
  std::string_view name;
  AxisElementKind kind = AxisElementKind::Tangent;
  double station = 0;
  double length = 0;
  PlanePoint start;
  PlanePoint end;
  double startDirection = 0;  // tangents and arcs; spirals take theirs from their arc
  double endDirection = 0;
  double radius = 0;
  int turnSign = 0;  // +1 clockwise (a right turn), -1 counterclockwise
  double sweep = 0;  // arcs: the angle swept
  double spiralParameter = 0;
  bool entersCircle = false;  // spirals
};

double Number(pugi::xml_node node, const char* attribute, const FileElement& e) {
  const auto value = ReadLandXmlNumber(node.attribute(attribute).value());
  if (!value || std::fabs(*value) > kLargest) {
    throw Refusal{At(e.name, e.station) + " has no usable " + attribute + "."};
  }
  return *value;
}

// The attribute when the element has it, else the value its geometry gives.
double NumberOr(pugi::xml_node node, const char* attribute, double geometric,
                const FileElement& e) {
  return node.attribute(attribute) ? Number(node, attribute, e) : geometric;
}

PlanePoint Point(pugi::xml_node node, const char* child, const FileElement& e) {
  const auto point = ReadLandXmlPoint(Child(node, child).text().get());
  if (!point || std::fabs(point->x) > kLargest || std::fabs(point->y) > kLargest) {
    throw Refusal{At(e.name, e.station) + " has no usable " + child + " point."};
  }
  return *point;
}

int Rotation(pugi::xml_node node, const FileElement& e) {
  const std::string_view rot = node.attribute("rot").value();
  if (rot != "cw" && rot != "ccw") {
    throw Refusal{At(e.name, e.station) + " turns neither cw nor ccw."};
  }
  return rot == "cw" ? 1 : -1;
}

FileElement ReadArc(pugi::xml_node node, FileElement e) {
  e.kind = AxisElementKind::Arc;
  const std::string_view type = node.attribute("crvType").value();
  if (!type.empty() && type != "arc") {
    throw Refusal{At(e.name, e.station) + " is no circular arc."};
  }
  e.turnSign = Rotation(node, e);
  e.radius = Number(node, "radius", e);
  const PlanePoint centre = Point(node, "Center", e);
  if (e.radius <= 0 || std::fabs(Distance(centre, e.start) - e.radius) > kPlacing ||
      std::fabs(Distance(centre, e.end) - e.radius) > kPlacing) {
    throw Refusal{At(e.name, e.station) + " does not lie at its radius from its centre."};
  }
  const double from = Azimuth(e.start, centre);
  e.sweep = NumberOr(node, "delta", Normalized(-e.turnSign * (Azimuth(e.end, centre) - from)), e);
  e.length = NumberOr(node, "length", e.radius * e.sweep, e);
  e.startDirection = from - e.turnSign * kAlignmentPi / 2;
  e.endDirection = e.startDirection - e.turnSign * e.sweep;
  return e;
}

FileElement ReadSpiral(pugi::xml_node node, FileElement e) {
  e.kind = AxisElementKind::Spiral;
  const std::string_view type = node.attribute("spiType").value();
  if (!type.empty() && type != "clothoid") {
    throw Refusal{At(e.name, e.station) + " is no clothoid (spiType " + std::string(type) + ")."};
  }
  e.turnSign = Rotation(node, e);
  e.length = Number(node, "length", e);
  const bool startsStraight = std::string_view(node.attribute("radiusStart").value()) == "INF";
  const bool endsStraight = std::string_view(node.attribute("radiusEnd").value()) == "INF";
  if (startsStraight == endsStraight) {
    throw Refusal{At(e.name, e.station) +
                  " does not join a tangent (radius INF) to a circle at one of its ends."};
  }
  e.entersCircle = startsStraight;
  e.radius = Number(node, startsStraight ? "radiusEnd" : "radiusStart", e);
  if (e.radius <= 0 || e.length <= 0) {
    throw Refusal{At(e.name, e.station) + " needs a radius and a length above 0."};
  }
  e.spiralParameter = NumberOr(node, "constant", std::sqrt(e.radius * e.length), e);
  if (std::fabs(e.spiralParameter * e.spiralParameter / e.radius - e.length) > kPlacing) {
    throw Refusal{At(e.name, e.station) + " has a constant that does not give its length."};
  }
  return e;
}

// The elements of the CoordGeom in order, collinear tangents joined into one.
std::vector<FileElement> ReadElements(pugi::xml_node geometry, double station) {
  std::vector<FileElement> elements;
  for (pugi::xml_node node : geometry.children()) {
    if (node.type() != pugi::node_element) {
      continue;
    }
    FileElement e;
    e.name = LocalName(node);
    e.station = station;
    if (e.name != "Line" && e.name != "Curve" && e.name != "Spiral") {
      throw Refusal{At(e.name, station) + " is neither Line, Curve nor Spiral."};
    }
    e.station = NumberOr(node, "staStart", station, e);
    e.start = Point(node, "Start", e);
    e.end = Point(node, "End", e);
    if (e.name == "Line") {
      e.length = Distance(e.start, e.end);
      e.startDirection = e.endDirection = Azimuth(e.end, e.start);
      if (e.length < kNoLength) {
        continue;
      }
      if (!elements.empty() && elements.back().kind == AxisElementKind::Tangent &&
          std::fabs(ShortSweep(elements.back().endDirection, e.startDirection)) < kSameDirection) {
        elements.back().end = e.end;
        elements.back().length = e.station + e.length - elements.back().station;
        station = e.station + e.length;
        continue;
      }
    } else if (e.name == "Curve") {
      e = ReadArc(node, e);
    } else {
      e = ReadSpiral(node, e);
    }
    station = e.station + e.length;
    elements.push_back(e);
  }
  return elements;
}

// The turn of a spiral from its tangent to its circle: Ls / (2 R) = A^2 / (2 R^2).
double SpiralTurn(const FileElement& spiral) {
  return spiral.spiralParameter * spiral.spiralParameter / (2 * spiral.radius * spiral.radius);
}

// One corner of the polygon as the file's elements give it.
struct Corner {
  PlanePoint point;
  std::size_t first = 0;  // its elements: first .. last (none for a plain corner)
  std::size_t last = 0;
  bool curved = false;
};

PlanePoint MeetingPoint(PlanePoint a, double directionA, PlanePoint b, double directionB,
                        const FileElement& e) {
  const std::optional<PlanePoint> point = LinesMeet(a, directionA, b, directionB);
  if (!point) {
    throw Refusal{At(e.name, e.station) + " has no corner: its tangents do not meet."};
  }
  return *point;
}

// The corners, with the spirals' directions filled in from their arcs.
std::vector<Corner> CornersOf(std::vector<FileElement>& elements) {
  std::vector<Corner> corners;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    FileElement& e = elements[k];
    if (e.kind == AxisElementKind::Tangent) {
      if (k > 0 && elements[k - 1].kind == AxisElementKind::Tangent) {
        corners.push_back({e.start, k, k, false});
      }
      continue;
    }
    if (e.kind == AxisElementKind::Arc) {
      corners.push_back(
          {MeetingPoint(e.start, e.startDirection, e.end, e.endDirection, e), k, k, true});
      continue;
    }
    const bool whole =
        e.entersCircle && k + 2 < elements.size() && elements[k + 1].kind == AxisElementKind::Arc &&
        elements[k + 2].kind == AxisElementKind::Spiral && !elements[k + 2].entersCircle;
    if (!whole) {
      throw Refusal{At(e.name, e.station) +
                    " is not one of two spirals around one circular arc on a corner."};
    }
    FileElement& arc = elements[k + 1];
    FileElement& leaving = elements[k + 2];
    if (e.turnSign != arc.turnSign || leaving.turnSign != arc.turnSign ||
        std::fabs(e.radius - arc.radius) > kPlacing ||
        std::fabs(leaving.radius - arc.radius) > kPlacing ||
        std::fabs(e.length - leaving.length) > kPlacing) {
      throw Refusal{At(e.name, e.station) +
                    " and the spiral after its arc differ (turn, radius or length): a corner "
                    "holds one spiral parameter."};
    }
    const double tau = SpiralTurn(e);
    e.startDirection = arc.startDirection + e.turnSign * tau;
    e.endDirection = arc.startDirection;
    leaving.startDirection = arc.endDirection;
    leaving.endDirection = arc.endDirection - e.turnSign * tau;
    corners.push_back(
        {MeetingPoint(e.start, e.startDirection, leaving.end, leaving.endDirection, e), k, k + 2,
         true});
    k += 2;
  }
  return corners;
}

void AddRecord(DesignFile& file, const FileElement& e, double station, PointCode code, double p1,
               double p2, double p3) {
  if (!FitsAlignmentRecord(station, p1, p2, p3)) {
    throw Refusal{At(e.name, e.station) + " holds numbers an alignment file cannot hold."};
  }
  file.WriteDesignRecord(station, code, p1, p2, p3);
}

void AddPolygonPoint(DesignFile& file, const FileElement& e, double station, PlanePoint p) {
  AddRecord(file, e, station, PointCode::XYCoordinate, p.x, p.y, 0);
}

void AddCorner(DesignFile& file, const std::vector<FileElement>& elements, const Corner& corner) {
  const FileElement& first = elements[corner.first];
  if (!corner.curved) {
    AddPolygonPoint(file, first, 0, corner.point);
    return;
  }
  const FileElement& last = elements[corner.last];
  const PointCode turn = first.turnSign > 0 ? PointCode::RightTurnStart : PointCode::LeftTurnStart;
  if (corner.first == corner.last) {
    AddRecord(file, first, first.station, turn, first.radius, first.length, first.sweep);
    AddPolygonPoint(file, first, 0, corner.point);
    AddRecord(file, first, first.station + first.length, PointCode::HorizontalCurveEnd, 0, 0, 0);
    return;
  }
  const FileElement& arc = elements[corner.first + 1];
  const double a = first.spiralParameter;
  const double tau = SpiralTurn(first);
  AddRecord(file, first, first.station, PointCode::FirstSpiralStart, a, first.length, tau);
  AddRecord(file, arc, arc.station, turn, arc.radius, arc.length, arc.sweep + 2 * tau);
  AddPolygonPoint(file, first, 0, corner.point);
  AddRecord(file, arc, arc.station + arc.length, PointCode::HorizontalCurveEnd, 0, 0, 0);
  AddRecord(file, last, last.station + last.length, PointCode::SecondSpiralEnd, a, last.length,
            tau);
}

void AddProfile(DesignFile& file, pugi::xml_node alignment) {
  const pugi::xml_node grades = Child(Child(alignment, "Profile"), "ProfAlign");
  for (pugi::xml_node node : grades.children()) {
    if (node.type() != pugi::node_element) {
      continue;
    }
    FileElement e;
    e.name = LocalName(node);
    const auto point = ReadLandXmlPair(node.text().get());
    if (point) {
      e.station = point->first;
    }
    if (e.name != "PVI" && e.name != "ParaCurve") {
      throw Refusal{At(e.name, e.station) + " is neither a PVI nor a symmetric ParaCurve."};
    }
    if (!point || std::fabs(point->first) > kLargest || std::fabs(point->second) > kLargest) {
      throw Refusal{"The profile holds a " + std::string(e.name) +
                    " without a usable station and elevation."};
    }
    if (e.name == "PVI") {
      AddRecord(file, e, point->first, PointCode::ElevationPoint, point->second, 0, 0);
    } else {
      AddRecord(file, e, point->first, PointCode::VerticalCurveMid, point->second,
                Number(node, "length", e), 0);
    }
  }
}

// The records lay out the file's elements again, each within kPlacing.
void CheckLaidOutAgain(const std::vector<AlignmentRecord>& records,
                       const std::vector<FileElement>& elements) {
  const std::vector<PolygonPoint> polygon = ReadPolygon(records);
  if (auto defect = RoadAxisDefect(polygon, ReadVerticalPoints(records))) {
    throw Refusal{*defect};
  }
  std::vector<AxisElement> axis = RoadAxis(polygon);
  std::erase_if(axis, [](const AxisElement& e) { return e.length < kNoLength; });
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const FileElement& e = elements[k];
    if (k >= axis.size() || axis[k].kind != e.kind || Distance(axis[k].start, e.start) > kPlacing ||
        Distance(axis[k].end, e.end) > kPlacing) {
      throw Refusal{At(e.name, e.station) +
                    " does not follow from the corners an alignment file can hold."};
    }
  }
}

}  // namespace

std::string LandXmlDocumentDefect(const pugi::xml_document& document) {
  const pugi::xml_node root = document.document_element();
  if (LocalName(root) != "LandXML") {
    return "The file is no LandXML file: its root element is <" + std::string(root.name()) + ">.";
  }
  const pugi::xml_node units = Child(root, "Units");
  if (Child(units, "Imperial")) {
    return "The file measures in feet; Calvora reads LandXML in metres only.";
  }
  const std::string_view linear = Child(units, "Metric").attribute("linearUnit").value();
  if (!linear.empty() && linear != "meter") {
    return "The file measures lengths in " + std::string(linear) +
           "; Calvora reads LandXML in metres only.";
  }
  return "";
}

std::vector<pugi::xml_node> LandXmlAlignments(const pugi::xml_document& document) {
  std::vector<pugi::xml_node> alignments;
  for (pugi::xml_node group : document.document_element().children()) {
    if (LocalName(group) != "Alignments") {
      continue;
    }
    for (pugi::xml_node alignment : group.children()) {
      if (LocalName(alignment) == "Alignment" && Child(alignment, "CoordGeom")) {
        alignments.push_back(alignment);
      }
    }
  }
  return alignments;
}

std::variant<std::vector<AlignmentRecord>, std::string> ReadLandXmlAlignment(
    pugi::xml_node alignment) {
  try {
    FileElement whole;
    whole.name = "Alignment";
    const double start = alignment.attribute("staStart") ? Number(alignment, "staStart", whole) : 0;
    std::vector<FileElement> elements = ReadElements(Child(alignment, "CoordGeom"), start);
    if (elements.empty()) {
      return std::string("The alignment has no element of length above 0.");
    }
    const std::vector<Corner> corners = CornersOf(elements);
    DesignFile file;
    AddProfile(file, alignment);
    AddPolygonPoint(file, elements.front(), start, elements.front().start);
    for (const Corner& corner : corners) {
      AddCorner(file, elements, corner);
    }
    AddPolygonPoint(file, elements.back(), 0, elements.back().end);
    CheckLaidOutAgain(file.Records(), elements);
    return file.Records();
  } catch (const Refusal& refusal) {
    return refusal.text;
  }
}

}  // namespace calvora
