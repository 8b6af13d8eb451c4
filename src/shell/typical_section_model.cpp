#include "shell/typical_section_model.h"

#include <cmath>

#include "numbers/number_text.h"
#include "project/data_file_lock.h"
#include "project/scratch_output.h"
#include "section/template_lines.h"
#include "shell/field_reader.h"

namespace calvora {

namespace {

const RecordEditorWords kVariantWords = {"Record: ",
                                         "New Typical Cross Section ?",
                                         "",
                                         "Delete current record?",
                                         "",
                                         "Variant file not loaded.",
                                         "Save changes to file?"};

std::string DitchToolTip(const DitchRows& rows) {
  const DitchShape shape = ShapeOf(rows);
  const auto shown = [](double value) { return PlainNumber(RoundTo(value, 3)); };
  return "D= " + shown(shape.depth) + "  W= " + shown(shape.bottom) +
         "  S= " + shown(shape.outerSlope) + "  S0= " + shown(shape.innerSlope);
}

}  // namespace

TypicalSectionModel::TypicalSectionModel(ProjectState& state, UserDialogs& dialogs,
                                         TemplateDialogs& forms)
    : RecordEditor(state, dialogs, state.Var, kVariantWords), forms_(forms) {}

void TypicalSectionModel::ReadBuffer(int n) {
  state_.VarRec = ReadRecord<VariantRecord>(*state_.Var.File, n);
}

void TypicalSectionModel::WriteBuffer(int n) {
  WriteRecord(*state_.Var.File, n, state_.VarRec);
}

std::string TypicalSectionModel::RecordText() const {
  const std::string position = PositionText();
  return position.substr(0, position.size() - 1);  // without the frame caption's blank
}

void TypicalSectionModel::CycleDitchMode() {
  mode_ = mode_ == DitchMode::Cut    ? DitchMode::Fill
          : mode_ == DitchMode::Fill ? DitchMode::None
                                     : DitchMode::Cut;
}

std::string TypicalSectionModel::ModeText() const {
  switch (mode_) {
    case DitchMode::Cut:
      return "Ditch in cut";
    case DitchMode::Fill:
      return "Ditch in fill";
    case DitchMode::None:
      break;
  }
  return "No Ditch";
}

std::string TypicalSectionModel::ToolTipAt(double x) const {
  const VariantRecord& record = state_.VarRec;
  const int s = SideOf(x);
  const int k = LineUnder(record, x);
  if (std::abs(k) <= record.LinesOnSide(s)) {
    return LineToolTip(record, k);
  }
  const DitchRows rows = TranView(s);
  const int count = DitchVertexCount(rows);
  const double end = record.Point(OuterVertex(record, s), 0);
  if (count > 0 && std::fabs(x - end) <= std::fabs(rows[std::size_t(count - 1)].x)) {
    return DitchToolTip(rows);
  }
  return {};
}

void TypicalSectionModel::Click(double x, double y) {
  clickX_ = x;
  clickY_ = y;
}

void TypicalSectionModel::Changed(const std::string& refusal) {
  if (refusal.empty()) {
    dirty_ = true;
  } else {
    dialogs_.Message(refusal);
  }
}

void TypicalSectionModel::InsertLine() {
  LineInfoForm form;
  forms_.ShowForm(form);
  if (form.Cancelled()) {
    return;
  }
  Changed(calvora::InsertLine(state_.VarRec, LineUnder(state_.VarRec, clickX_), form.Size()));
}

void TypicalSectionModel::EditLine() {
  VariantRecord& record = state_.VarRec;
  const int s = SideOf(clickX_);
  const int k = LineUnder(record, clickX_);
  if (std::abs(k) > record.LinesOnSide(s)) {
    EditTran(s);
    return;
  }
  const LineSize shown = LineSizeOf(record, k);
  LineInfoForm form(&shown);
  forms_.ShowForm(form);
  if (form.Cancelled()) {
    return;
  }
  Changed(SetLine(record, k, form.Size()));
}

void TypicalSectionModel::DeleteLine() {
  if (!dialogs_.YesNo(QuestionId::DeleteLine, "Delete this line?")) {
    return;
  }
  VariantRecord& record = state_.VarRec;
  const int s = SideOf(clickX_);
  const int k = LineUnder(record, clickX_);
  if (std::abs(k) > record.LinesOnSide(s)) {
    RemoveDitch(record, mode_, s);
    dirty_ = true;
    return;
  }
  Changed(calvora::DeleteLine(record, k));
}

void TypicalSectionModel::EditTran(int side) {
  DitchForm form(TranView(side), side);
  forms_.ShowForm(form);
  if (form.Cancelled() || mode_ == DitchMode::None) {
    return;  // "No Ditch" shows no ditch to store
  }
  dirty_ = true;
  StoreDitch(state_.VarRec, mode_, side, form.Rows());
}

void TypicalSectionModel::EditSecProp() {
  SectionPropertiesForm form(state_.VarRec);
  forms_.ShowForm(form);
  if (form.Cancelled()) {
    return;
  }
  dirty_ = true;
  form.Store(state_.VarRec);
}

void TypicalSectionModel::Find(const ShowFind&) {
  const std::string answer =
      dialogs_.InputBox({QuestionId::FindVariant}, "Typical cross section number:", "Find",
                        std::to_string(Current()));
  if (Trimmed(answer).empty()) {
    return;
  }
  FieldReader read;
  const int n = read.Whole(answer, "Typical cross section number");
  if (read.Refused()) {
    dialogs_.Message(read.Refusal());
  } else if (n < 1 || n > state_.Var.Count()) {
    dialogs_.Message("Typical cross section not found.");
  } else {
    state_.Var.Current = n;
  }
}

bool TypicalSectionModel::PressOwn(EditorKey key) {
  if (key == EditorKey::Properties) {
    EditSecProp();
    return false;  // reading the record again would lose the properties just typed
  }
  Assign();
  return true;
}

void TypicalSectionModel::Assign() {
  const int variant = Current();
  if (!state_.Data.Loaded()) {
    dialogs_.Message("Data file not loaded.");
    return;
  }
  if (variant < 1 || variant > state_.Var.Count()) {
    dialogs_.Message("Save the typical cross section before assigning it.");
    return;
  }
  SectionRangeModel range;
  forms_.ShowRange(range);
  if (!range.Found()) {
    return;
  }
  const std::size_t count = range.Records().size();
  const std::string question = "Typical cross section " + std::to_string(variant) +
                               " will be written into " + std::to_string(count) +
                               (count == 1 ? " section" : " sections") +
                               ". This cannot be undone. Continue ?";
  if (!dialogs_.YesNo(QuestionId::AssignVariant, question)) {
    return;
  }
  RunRetryingFileErrors(dialogs_, [&] {
    const auto lock = LockDataFile(state_, dialogs_);
    if (!lock) {
      return;
    }
    for (const int n : range.Records()) {
      auto section = ReadRecord<SectionRecord>(*state_.Data.File, n);
      section.Var = std::int16_t(variant);
      WriteRecord(*state_.Data.File, n, section);
    }
  });
}

}  // namespace calvora
