#pragma once
// What the section engine leaves for one section: the cut, fill, stripping and compaction-layer
// bodies, the catch points, side states and wall results. Offsets are signed (negative to the
// left of the centre line), elevations absolute, all in metres.

#include <string>
#include <string_view>
#include <vector>

#include "records/section_record.h"
#include "records/signed_array.h"
#include "records/variant_record.h"

namespace calvora {

struct SectionPoint {
  double x = 0;  // offset from the centre line
  double y = 0;  // elevation
  bool operator==(const SectionPoint&) const = default;
};

enum class PolygonKind { Cut, Fill };

// "cut" or "fill", the kind's text in reports and drawings.
std::string_view PolygonKindText(PolygonKind kind);

// One closed body between a design line and the ground.
struct SectionPolygon {
  PolygonKind Kind = PolygonKind::Cut;
  // Design-line points in walking order (left to right), then the ground points back to the
  // start, then the first point again: the last point always equals the first.
  std::vector<SectionPoint> Points;
  // Summed lengths of the design-line edges of this body that lie along the template lines
  // (between the two template ends; side slopes and ditches are in FsLength and CsLength):
  // FillPolygonLength of a fill polygon, CutPolygonLength of a cut polygon
  // (LayerPolygonLength for a layer polygon).
  double Length = 0;

  bool operator==(const SectionPolygon&) const = default;
};

// SideState texts.
inline constexpr std::string_view kDesignOverGround = "P over   G";  // the side is in fill
inline constexpr std::string_view kDesignUnderGround = "P under G";  // the side is in cut

struct SectionResults {
  int Record = 0;     // section record number computed
  float Station = 0;  // Kilo * 1000 + Meter, or -1 for a bad variant number
  // The variant number was outside 1..VarCount: "Bad Variant number at station : ..." was
  // shown and nothing else below was computed.
  bool BadVariant = false;
  // A data error stopped the computation ("Data Error in ..." or "Data error in KM: ..." was
  // shown, or the records would have needed a division by zero or an overflow): the bodies are
  // incomplete and must not be summed into quantities. Callers test Valid().
  bool Invalid = false;
  // "Data Error in ..." was shown: the surveyed ground does not reach far enough (template end,
  // cut slope, wall, stripping edge) or the records hold numbers the engine refuses.
  bool DataErrorShown = false;
  bool Valid() const { return !BadVariant && !Invalid; }

  // The engine's own copies of the two records, byte for byte as read from disk for this call
  // (a damaged record may hold numbers that are not finite; every other number here is).
  SectionRecord Section;
  VariantRecord Variant;

  // The lines as the engine used them, per side from the centre line outwards; point 0 lies on
  // the centre line. GroundLine: the surveyed ground, with the stripping edges inserted and the
  // ground inside them lowered by Deco when fixed-width stripping applies (point 0 is
  // (0, GRElev) as the engine left it). TemplateLine: the template vertices at the project
  // elevation, as read. DesignLine: the line the cut and fill bodies were built from (the
  // subgrade line when SubG is not 0, its template ends shifted), continued by the fill slope,
  // the fill ditch or the ditch and cut slope to the catch point, cut at a section limit.
  SignedArray<std::vector<SectionPoint>, -1, 1> GroundLine;
  SignedArray<std::vector<SectionPoint>, -1, 1> TemplateLine;
  SignedArray<std::vector<SectionPoint>, -1, 1> DesignLine;

  // Cut and fill bodies of the design line, numbered from 1 in the program (index 0 here).
  std::vector<SectionPolygon> SectionPolygons;
  // Topsoil-stripping bodies (their Length is 0).
  std::vector<SectionPolygon> StripPolygons;
  // Compaction-layer bodies per computed layer 0, 1, ... (only the layers from 0 up to the one
  // before the first zero Thickness are computed; LayerPolygons.size() is their number). A
  // layer's line never lies above the line of the layer before it (or the design line) nor
  // reaches beyond it, and its fill lies on the same surface: each layer's fill lies within
  // the fill above it. No body of any kind here is smaller than 0.005 m2.
  std::vector<std::vector<SectionPolygon>> LayerPolygons;

  // Per side (-1 left, 1 right) for the design line: kDesignOverGround or kDesignUnderGround.
  SignedArray<std::string, -1, 1> SideState;
  // Where the design line meets the ground on each side (at a wall: the top of the wall; at a
  // section limit: the design line at the limit).
  SignedArray<SectionPoint, -1, 1> CatchPoint;
  // Ground point at the edge of a fixed-width stripping, (0, 0) when none.
  SignedArray<SectionPoint, -1, 1> StripEdge;
  // Index (signed, as in the survey record) of the ground point inside the stripping edge.
  SignedArray<int, -1, 1> StripEdgeIndex;
  // Where a section limit cuts the design line, (0, 0) when the limit does not apply.
  SignedArray<SectionPoint, -1, 1> LimitPoint;
  // Index (signed) of the ground point at the inner end of the ground segment holding the catch
  // point, 0 when none.
  SignedArray<int, -1, 1> CatchGroundIndex;

  // A retaining wall where an embankment does not reach the ground: its height (elevation of
  // the slope at the wall less the ground there) and its foot; WallHeight is 0 without a wall.
  double WallHeight = 0;
  double WallFootX = 0;
  double WallFootY = 0;

  // GRElev and PRElev of the section as read, before any change.
  double SectionGroundCentre = 0;
  double SectionProjectCentre = 0;

  // Lengths of this section: the fill slopes from the template ends to the catch points (with
  // the subgrade prolongations), and every edge of the ditch and cut-slope lines.
  double FsLength = 0;
  double CsLength = 0;

  // The texts the engine showed through UserDialogs during this call, in order.
  std::vector<std::string> Messages;
};

}  // namespace calvora
