#include "shell/alignment_editor_model.h"

#include "numbers/number_text.h"
#include "shell/field_reader.h"

namespace calvora {

namespace {

using ParamLabels = std::array<const char*, AlignmentEditorModel::kParams>;

// What Param1..3 hold for each code, in the editor's label words; "" where a code uses none.
constexpr std::array<ParamLabels, kPointCodeCount> kCodeParams = {{
    {"", "", ""},
    {"Elevation:", "", ""},
    {"Radius:", "Lenght:", "Alpha:"},
    {"Radius:", "Lenght:", "Alpha:"},
    {"Elevation:", "Lenght:", ""},
    {"", "", ""},
    {"Code:", "", ""},
    {"Elevation:", "", ""},
    {"X:", "Y:", ""},
    {"Spiral parameter:", "Lenght:", "Alpha:"},
    {"Spiral parameter:", "Lenght:", "Alpha:"},
}};

// A code the list does not know shows every parameter under its field name.
constexpr ParamLabels kUnknownCodeParams = {"Param1:", "Param2:", "Param3:"};

const RecordEditorWords kRecordWords = {"Record No. ",
                                        "New Record ?",
                                        "Insert a record in current position ?",
                                        "Delete current record ?",
                                        kAlignFindTag,
                                        "Alignment file not loaded.",
                                        "Save changes ?"};

}  // namespace

std::array<std::string, kPointCodeCount> AlignmentEditorModel::CodeItems() {
  std::array<std::string, kPointCodeCount> items;
  for (int code = 0; code < kPointCodeCount; ++code) {
    items[std::size_t(code)] = std::string(*PointCodeText(static_cast<std::int16_t>(code)));
  }
  return items;
}

AlignmentEditorModel::AlignmentEditorModel(ProjectState& state, UserDialogs& dialogs)
    : RecordEditor(state, dialogs, state.Align, kRecordWords) {}

void AlignmentEditorModel::ReadBuffer(int n) {
  state_.AlignRec = ReadRecord<AlignmentRecord>(*state_.Align.File, n);
}

void AlignmentEditorModel::WriteBuffer(int n) {
  WriteRecord(*state_.Align.File, n, state_.AlignRec);
}

void AlignmentEditorModel::ShowBuffer() {
  const AlignmentRecord& record = state_.AlignRec;
  texts_ = {std::to_string(record.Kilo), SingleText(record.Meter), SingleText(record.Param1),
            SingleText(record.Param2), SingleText(record.Param3)};
  ShowCode(record.Code);
}

std::string AlignmentEditorModel::StoreFields() {
  FieldReader read;
  AlignmentRecord record;
  record.Kilo = read.Whole(Text(AlignmentField::Kilo), "KM");
  record.Meter = read.Single(Text(AlignmentField::Meter), "Meter");
  record.Code = static_cast<std::int16_t>(code_);
  float* params[] = {&record.Param1, &record.Param2, &record.Param3};
  for (int i = 0; i < kParams; ++i) {
    const std::string& label =
        ParamLabel(i).empty() ? kUnknownCodeParams[std::size_t(i)] : ParamLabel(i);
    *params[i] = read.Single(Text(kParamFields[std::size_t(i)]), label.substr(0, label.size() - 1));
  }
  if (!read.Refused()) {
    state_.AlignRec = record;
  }
  return read.Refusal();
}

void AlignmentEditorModel::Empty() {
  texts_ = {};
  ShowCode(static_cast<int>(PointCode::NoCode));
}

void AlignmentEditorModel::Type(AlignmentField field, const std::string& text) {
  texts_[static_cast<std::size_t>(field)] = text;
  dirty_ = true;
}

void AlignmentEditorModel::ShowCode(int code) {
  code_ = code;
  const bool known = code >= 0 && code < kPointCodeCount;
  const ParamLabels& labels = known ? kCodeParams[std::size_t(code)] : kUnknownCodeParams;
  labels_ = {labels[0], labels[1], labels[2]};
  if (!StationVisible()) {
    Type(AlignmentField::Kilo, "");
    Type(AlignmentField::Meter, "");
  }
  dirty_ = true;
}

std::optional<int> AlignmentEditorModel::CodePosition() const {
  if (code_ < 0 || code_ >= kPointCodeCount) {
    return std::nullopt;
  }
  return code_;
}

}  // namespace calvora
