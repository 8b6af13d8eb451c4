#pragma once
// Where the road's plan lies on sheets: the scale, the frame of a sheet and the grid of sheets
// over the plane, of which only those that show part of the road are drawn.

#include <vector>

#include "alignment/plane_geometry.h"
#include "drawing/sheet_layout.h"
#include "drawing/station_axis.h"

namespace calvora {

// One drawing unit is 0.2 inch of paper.
inline constexpr double kMillimetresPerSheetUnit = 5.08;
// How far the lines of a curve may stray from it, in millimetres of paper.
inline constexpr double kPlanDrawingTolerance = 0.05;

struct PlanBox {
  double left = 0;
  double bottom = 0;
  double right = 0;
  double top = 0;
  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
  bool Holds(PlanePoint p) const {
    return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
  }
};

class PlanLayout {
 public:
  // The points the drawing must show (metres), the sheet (drawing units) and the scale
  // 1:denominator (above 0).
  PlanLayout(const std::vector<PlanePoint>& road, SheetSize sheet, double denominator);

  double Denominator() const { return denominator_; }
  double UnitsPerMetre() const;
  SheetSize Sheet() const { return sheet_; }
  // On every sheet, in drawing units from its bottom left corner: the border, the frame the
  // plan is drawn in, and the title strip below the frame.
  PlanBox Border() const;
  PlanBox Frame() const;
  PlanBox TitleStrip() const;

  int SheetCount() const { return static_cast<int>(tiles_.size()); }
  // Whether the grid of sheets over the road would hold more than kMostSheets: no sheet is laid.
  bool TooManySheets() const { return tooManySheets_; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  // The column (from the west) and row (from the north) of sheet n (from 1).
  int ColumnOf(int sheet) const;
  int RowOf(int sheet) const;
  // The part of the plane sheet n shows.
  PlanBox Plane(int sheet) const;
  // A point of the plane on sheet n, and back.
  PlanePoint OnSheet(int sheet, PlanePoint p) const;
  PlanePoint OnPlane(int sheet, PlanePoint s) const;
  // The sheet beside n, east columns and north rows away; 0 when no sheet is drawn there.
  int Neighbour(int sheet, int east, int north) const;

 private:
  int TileAt(int column, int row) const;

  SheetSize sheet_;
  double denominator_;
  PlanBox extent_;  // the plane covered by the grid of sheets
  int columns_ = 1;
  int rows_ = 1;
  bool tooManySheets_ = false;
  std::vector<int> tiles_;  // per sheet: row * columns + column
};

}  // namespace calvora
