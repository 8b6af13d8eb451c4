#include "shell/alignment_editor_model.h"

#include <algorithm>

#include "numbers/number_text.h"
#include "project/scratch_output.h"
#include "shell/confirmed_file_change.h"
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

constexpr AlignmentField kParamFields[] = {AlignmentField::Param1, AlignmentField::Param2,
                                           AlignmentField::Param3};

}  // namespace

std::array<std::string, kPointCodeCount> AlignmentEditorModel::CodeItems() {
  std::array<std::string, kPointCodeCount> items;
  for (int code = 0; code < kPointCodeCount; ++code) {
    items[std::size_t(code)] = std::string(*PointCodeText(static_cast<std::int16_t>(code)));
  }
  return items;
}

void AlignmentEditorModel::Open() {
  state_.Align.Current = 1;
  LoadRecord();
}

void AlignmentEditorModel::LoadRecord() {
  WorkingFile& align = state_.Align;
  if (align.Current > align.Count()) {
    if (dialogs_.YesNo(QuestionId::NewRecord, "New Record ?")) {
      EmptyRecord();
      return;
    }
    --align.Current;
  }
  if (align.Current != 0 && align.Loaded()) {
    RunRetryingFileErrors(dialogs_, [&] {
      state_.AlignRec = ReadRecord<AlignmentRecord>(*align.File, align.Current);
    });
  }
  const AlignmentRecord& record = state_.AlignRec;
  texts_ = {std::to_string(record.Kilo), SingleText(record.Meter), SingleText(record.Param1),
            SingleText(record.Param2), SingleText(record.Param3)};
  ShowCode(record.Code);
  changed_ = false;
}

bool AlignmentEditorModel::SaveRecord() {
  if (!changed_) {
    return true;
  }
  if (!dialogs_.YesNo(QuestionId::SaveChanges, "Save changes ?")) {
    changed_ = false;
    return true;
  }
  FieldReader read;
  AlignmentRecord record;
  record.Kilo = read.Whole(Text(AlignmentField::Kilo), "KM");
  record.Meter = read.Single(Text(AlignmentField::Meter), "Meter");
  record.Code = static_cast<std::int16_t>(code_);
  float* params[] = {&record.Param1, &record.Param2, &record.Param3};
  for (int i = 0; i < kParams; ++i) {
    const std::string& label =
        ParamLabel(i).empty() ? kUnknownCodeParams[std::size_t(i)] : ParamLabel(i);
    *params[i] = read.Single(Text(kParamFields[i]), label.substr(0, label.size() - 1));
  }
  if (read.Refused()) {
    dialogs_.Message(read.Refusal());
    return false;
  }
  WorkingFile& align = state_.Align;
  align.Current = std::max(align.Current, 1);
  state_.AlignRec = record;
  if (!RunRetryingFileErrors(dialogs_,
                             [&] { WriteRecord(*align.File, align.Current, state_.AlignRec); })) {
    return false;
  }
  changed_ = false;
  return true;
}

void AlignmentEditorModel::EmptyRecord() {
  texts_ = {};
  ShowCode(static_cast<int>(PointCode::NoCode));
}

bool AlignmentEditorModel::Press(EditorKey key, const ShowFind& showFind) {
  if (!SaveRecord()) {
    return false;
  }
  switch (key) {
    case EditorKey::Exit:
      return true;
    case EditorKey::Delete:
      DeleteRecord();
      break;
    case EditorKey::Insert:
      InsertRecord();
      break;
    case EditorKey::Find:
      find_.Tag = kAlignFindTag;
      showFind(find_);
      break;
    default:
      state_.Align.Current = MovedRecord(key, state_.Align.Current, state_.Align.Count());
      break;
  }
  LoadRecord();
  return false;
}

void AlignmentEditorModel::InsertRecord() {
  WorkingFile& align = state_.Align;
  const int at = std::max(align.Current, 1);
  if (ConfirmedFileChange(dialogs_, QuestionId::InsertRecord,
                          "Insert a record in current position ?",
                          [&] { align.File->Insert(at); })) {
    align.Current = at;
    EmptyRecord();
    changed_ = false;
  }
}

// The record after it moves into view when the tool bar loads again.
void AlignmentEditorModel::DeleteRecord() {
  WorkingFile& align = state_.Align;
  if (align.Current < 1 || align.Current > align.Count()) {
    return;  // a new record not yet written: nothing on disk to delete
  }
  ConfirmedFileChange(dialogs_, QuestionId::DeleteRecord, "Delete current record ?",
                      [&] { align.File->Delete(align.Current); });
}

void AlignmentEditorModel::Type(AlignmentField field, const std::string& text) {
  texts_[static_cast<std::size_t>(field)] = text;
  changed_ = true;
}

void AlignmentEditorModel::ChooseCode(int position) {
  ShowCode(position);
}

// The labels of the code; the station fields emptied for "Simple X-Y coordinate".
void AlignmentEditorModel::ShowCode(int code) {
  code_ = code;
  const bool known = code >= 0 && code < kPointCodeCount;
  const ParamLabels& labels = known ? kCodeParams[std::size_t(code)] : kUnknownCodeParams;
  SetParams(labels[0], labels[1], labels[2]);
  if (!StationVisible()) {
    Type(AlignmentField::Kilo, "");
    Type(AlignmentField::Meter, "");
  }
  changed_ = true;
}

void AlignmentEditorModel::SetParams(const std::string& p1, const std::string& p2,
                                     const std::string& p3) {
  labels_ = {p1, p2, p3};
}

std::optional<int> AlignmentEditorModel::CodePosition() const {
  if (code_ < 0 || code_ >= kPointCodeCount) {
    return std::nullopt;
  }
  return code_;
}

std::string AlignmentEditorModel::Caption() const {
  return "Record No. " + std::to_string(state_.Align.Current) + " of " +
         std::to_string(state_.Align.Count()) + " ";
}

}  // namespace calvora
