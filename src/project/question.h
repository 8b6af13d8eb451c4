#pragma once
// Which question a computation asks, whatever its text says: batch mode answers by it.

namespace calvora {

enum class QuestionId {
  // Yes/No
  CreateMissingFile,  // "Data file not found.Create New ?" and the other working files
  ChangeFile,         // "... will be changed. Continue ?"
  CancelDesign,       // "Cancel the design process?"
  SaveChanges,        // the record editors: "Save changes ?"
  NewRecord,          // "New Section ?", "New Record ?"
  InsertRecord,       // "Insert a section in current position ?" and the alignment's
  DeleteRecord,       // "Delete current Section ?", "Delete current record ?"
  DeleteLine,         // "Delete this line?" (a template line or a ditch)
  AssignVariant,      // a typical cross-section written into a range of sections
  // Input boxes
  DesignSpeed,       // "Design speed (km/h):"
  ConfirmDesign,     // the designed curve or spiral, its value to confirm
  StationInterval,   // "Distance between stations:"
  WideningDistance,  // "Enter new distance from center line for both sides:"
  HorizontalScale,   // the drawings along the road: "Horizontal scale 1:"
  VerticalScale,     // "Vertical scale 1:"
  CutFactor,         // the mass-haul diagram: "Cut factor (bulking or shrinkage):"
  FreeHaul,          // "Free-haul distance (m, 0 for none):"
  PlanScale,         // the plan: "Scale 1:"
  AlignmentName,     // the alignment to import from a LandXML file holding several
  FindVariant,       // the number of the typical cross-section to show
};

// A question with what its answer may depend on.
struct Question {
  QuestionId id;
  int curve = 0;  // ConfirmDesign: the number of the curve designed (from 1)
};

}  // namespace calvora
