#include "shell/data_editor_model.h"

#include <algorithm>

#include "numbers/number_text.h"
#include "shell/field_reader.h"

namespace calvora {

namespace {

constexpr int kMaxPoints = SectionRecord::kMaxPointsPerSide;

// The ground points of a side that a point-count text asks for; a negative count is none.
int PointsTyped(const std::string& text) {
  return ToInt16(std::clamp(LeadingNumber(text), 0.0, double(kMaxPoints))).value_or(0);
}

// Left distances are stored negative and shown positive; a zero stays 0, never -0.
float Negated(float value) {
  return value == 0 ? 0.0f : -value;
}

SectionField CountField(int side) {
  return side < 0 ? SectionField::Left : SectionField::Right;
}

std::string PointLabel(int side, int row, bool elevation) {
  return std::string(side < 0 ? "Left" : "Right") + " point " + std::to_string(row + 1) +
         (elevation ? " Elevation" : " Distance");
}

}  // namespace

const std::array<SectionFieldControl, 7>& SectionFieldControls() {
  static const std::array<SectionFieldControl, 7> kControls = {{
      {SectionField::Kilo, "txtKilo", "KM:", "&KM:"},
      {SectionField::Meter, "txtMeter", "+", "+"},
      {SectionField::Var, "txtVar", "Variant Number:", "&Variant Number:"},
      {SectionField::PRElev, "txtPRElev", "Project Elevation:", "Pro&ject Elevation:"},
      {SectionField::GRElev, "txtGRElev", "Ground Elevation:", "&Ground Elevation:"},
      {SectionField::Left, "txtLeft", "Number of Left Points:", "Number of &Left Points:"},
      {SectionField::Right, "txtRight", "Number of Right Points:", "Number of &Right Points:"},
  }};
  return kControls;
}

const RecordEditorWords kSectionWords = {"Section No. ",
                                         "New Section ?",
                                         "Insert a section in current position ?",
                                         "Delete current Section ?",
                                         kDataFindTag,
                                         "Data file not loaded.",
                                         "Save changes ?"};

DataEditorModel::DataEditorModel(ProjectState& state, UserDialogs& dialogs)
    : RecordEditor(state, dialogs, state.Data, kSectionWords) {}

void DataEditorModel::ReadBuffer(int n) {
  state_.DataRec = ReadRecord<SectionRecord>(*state_.Data.File, n);
}

void DataEditorModel::WriteBuffer(int n) {
  WriteRecord(*state_.Data.File, n, state_.DataRec);
}

void DataEditorModel::ShowBuffer() {
  const SectionRecord& record = state_.DataRec;
  SetText(SectionField::Kilo, std::to_string(record.Kilo));
  SetText(SectionField::Meter, SingleText(record.Meter));
  SetText(SectionField::Var, std::to_string(record.Var));
  SetText(SectionField::PRElev, SingleText(record.PRElev));
  SetText(SectionField::GRElev, SingleText(record.GRElev));
  for (const int side : {-1, 1}) {
    Type(CountField(side), std::to_string(side * record.PointCount[side]));
    for (int row = 0; row < kRows; ++row) {
      if (Row(side, row).visible) {
        const int i = side * (row + 1);
        const float distance = record.GroundPoints(i, 0);
        SetPoint(side, row, false, SingleText(side < 0 ? Negated(distance) : distance));
        SetPoint(side, row, true, SingleText(record.GroundPoints(i, 1)));
      }
    }
  }
}

std::string DataEditorModel::StoreFields() {
  const TypedSection typed = Typed();
  if (typed.refusal.empty()) {
    state_.DataRec = typed.record;
  }
  return typed.refusal;
}

void DataEditorModel::Empty() {
  for (const SectionFieldControl& control : SectionFieldControls()) {
    SetText(control.field, "");
  }
  ShowRows(-1);
  ShowRows(1);
}

void DataEditorModel::BeforeRewrite() {
  Save();
  rewritten_ = state_.Data.Current;
}

void DataEditorModel::AfterRewrite() {
  if (!state_.Data.Loaded()) {
    return;
  }
  state_.Data.Current = rewritten_;
  Load();
}

void DataEditorModel::Type(SectionField field, const std::string& text) {
  const bool count = field == SectionField::Left || field == SectionField::Right;
  SetText(field, count && LeadingNumber(text) > kMaxPoints ? std::to_string(kMaxPoints) : text);
  dirty_ = true;
  if (count) {
    ShowRows(field == SectionField::Left ? -1 : 1);
  }
}

void DataEditorModel::TypePoint(int side, int row, bool elevation, const std::string& text) {
  SetPoint(side, row, elevation, text);
  dirty_ = true;
}

void DataEditorModel::SetText(SectionField field, const std::string& text) {
  std::string& shown = texts_[static_cast<std::size_t>(field)];
  if (shown != text) {
    shown = text;
    dirty_ = true;
  }
}

void DataEditorModel::SetPoint(int side, int row, bool elevation, const std::string& text) {
  PointRow& point = MutableRow(side, row);
  std::string& shown = elevation ? point.elevation : point.distance;
  if (shown != text) {
    shown = text;
    dirty_ = true;
  }
}

// Row k is shown while the count typed minus 1 is at least k; a hidden row is emptied.
void DataEditorModel::ShowRows(int side) {
  const double count = LeadingNumber(Text(CountField(side)));
  for (int row = 0; row < kRows; ++row) {
    MutableRow(side, row).visible = count - 1 >= row;
    if (!Row(side, row).visible) {
      SetPoint(side, row, false, "");
      SetPoint(side, row, true, "");
    }
  }
}

const PointRow& DataEditorModel::Row(int side, int row) const {
  return (side < 0 ? left_ : right_).at(static_cast<std::size_t>(row));
}

PointRow& DataEditorModel::MutableRow(int side, int row) {
  return (side < 0 ? left_ : right_).at(static_cast<std::size_t>(row));
}

TypedSection DataEditorModel::Typed() const {
  TypedSection typed{state_.DataRec, {}};
  SectionRecord& record = typed.record;
  FieldReader read;
  record.Kilo = read.Whole(Text(SectionField::Kilo), "KM");
  record.Meter = read.Single(Text(SectionField::Meter), "Meter");
  record.Var = read.Whole(Text(SectionField::Var), "Variant Number");
  record.PRElev = read.Single(Text(SectionField::PRElev), "Project Elevation");
  record.GRElev = read.Single(Text(SectionField::GRElev), "Ground Elevation");
  for (const int side : {-1, 1}) {
    const int points = PointsTyped(Text(CountField(side)));
    record.PointCount[side] = static_cast<std::int16_t>(side * points);
    for (int row = 0; row < points; ++row) {
      const int i = side * (row + 1);
      const float distance = read.Single(Row(side, row).distance, PointLabel(side, row, false));
      record.GroundPoints(i, 0) = side < 0 ? Negated(distance) : distance;
      record.GroundPoints(i, 1) =
          read.Single(Row(side, row).elevation, PointLabel(side, row, true));
    }
  }
  typed.refusal = read.Refusal();
  return typed;
}

}  // namespace calvora
