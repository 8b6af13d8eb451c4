#include "shell/record_editor.h"

#include <algorithm>

#include "project/scratch_output.h"
#include "shell/confirmed_file_change.h"

namespace calvora {

void RecordEditor::Open() {
  file_.Current = 1;
  Load();
}

void RecordEditor::Load() {
  if (file_.Current > file_.Count()) {
    if (dialogs_.YesNo(QuestionId::NewRecord, words_.newQuestion)) {
      Empty();
      return;
    }
    --file_.Current;
  }
  if (file_.Current != 0 && file_.Loaded()) {
    RunRetryingFileErrors(dialogs_, [&] { ReadBuffer(file_.Current); });
  }
  ShowBuffer();
  dirty_ = false;
}

bool RecordEditor::Save() {
  if (!dirty_) {
    return true;
  }
  if (!dialogs_.YesNo(QuestionId::SaveChanges, words_.saveQuestion)) {
    dirty_ = false;
    return true;
  }
  if (!file_.Loaded()) {
    dialogs_.Message(words_.notLoaded);  // the project was closed under the editor
    dirty_ = false;
    return true;
  }
  const std::string refusal = StoreFields();
  if (!refusal.empty()) {
    dialogs_.Message(refusal);
    return false;
  }
  file_.Current = std::max(file_.Current, 1);
  if (!RunRetryingFileErrors(dialogs_, [&] { WriteBuffer(file_.Current); })) {
    return false;
  }
  dirty_ = false;
  return true;
}

bool RecordEditor::Press(EditorKey key, const ShowFind& showFind) {
  if (!Save()) {
    return false;
  }
  switch (key) {
    case EditorKey::Exit:
      return true;
    case EditorKey::Delete:
    case EditorKey::Insert:
      if (file_.Loaded()) {
        key == EditorKey::Insert ? Insert() : Delete();
      }
      break;
    case EditorKey::Find:
      Find(showFind);
      break;
    case EditorKey::Properties:
    case EditorKey::Assign:
      if (!PressOwn(key)) {
        return false;
      }
      break;
    default:
      file_.Current = MovedRecord(key, file_.Current, file_.Count());
      break;
  }
  Load();
  return false;
}

void RecordEditor::Find(const ShowFind& showFind) {
  find_.Tag = words_.findTag;
  showFind(find_);
}

bool RecordEditor::PressOwn(EditorKey) {
  return true;
}

// An empty record before the current one; the load that follows shows it.
void RecordEditor::Insert() {
  const int at = std::max(file_.Current, 1);
  if (ConfirmedFileChange(dialogs_, QuestionId::InsertRecord, words_.insertQuestion,
                          [&] { file_.File->Insert(at); })) {
    file_.Current = at;
  }
}

// The current record leaves the file; the load that follows shows the one after it.
void RecordEditor::Delete() {
  if (file_.Current < 1 || file_.Current > file_.Count()) {
    return;  // a new record not yet written: nothing on disk to delete
  }
  ConfirmedFileChange(dialogs_, QuestionId::DeleteRecord, words_.deleteQuestion,
                      [&] { file_.File->Delete(file_.Current); });
}

std::string RecordEditor::PositionText() const {
  return words_.position + std::to_string(file_.Current) + " of " + std::to_string(file_.Count()) +
         " ";
}

}  // namespace calvora
