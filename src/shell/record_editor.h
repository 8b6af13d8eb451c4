#pragma once
// What the two record editors share: they show the current record of their working file, their
// tool bar saves first and then moves, inserts, deletes or finds, every change is confirmed,
// and insert and delete rebuild the file.

#include <functional>
#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "shell/editor_keys.h"
#include "shell/find_section_model.h"

namespace calvora {

// The words of one editor.
struct RecordEditorWords {
  const char* position;        // "Section No. "
  const char* newQuestion;     // "New Section ?"
  const char* insertQuestion;  // "Insert a section in current position ?"
  const char* deleteQuestion;  // "Delete current Section ?"
  const char* findTag;         // kDataFindTag
  const char* notLoaded;       // "Data file not loaded."
  const char* saveQuestion;    // "Save changes ?"
};

class RecordEditor {
 public:
  // Shows the find dialog modally on the model given (its tag set to the editor's mode).
  using ShowFind = std::function<void(FindSectionModel&)>;

  virtual ~RecordEditor() = default;
  RecordEditor(const RecordEditor&) = delete;
  RecordEditor& operator=(const RecordEditor&) = delete;

  // Opening the window: record 1.
  void Open();
  // Shows the current record; one past the last asks whether to start a new one (No steps back).
  void Load();
  // Writes the fields as the current record when they changed and the person agrees (No drops
  // the changes). False when a field cannot be stored (after a message naming it) or the write
  // was cancelled: the fields stay as typed.
  bool Save();
  // A tool bar button: saves first, then acts and shows the current record. True when the
  // window is to close (Exit).
  bool Press(EditorKey key, const ShowFind& showFind);
  // Closing the window offers to save; false keeps it open.
  bool Close() { return Save(); }

  // fraMain's caption: "Section No. 3 of 12 ".
  std::string PositionText() const;
  int Current() const { return file_.Current; }
  bool Dirty() const { return dirty_; }

 protected:
  RecordEditor(ProjectState& state, UserDialogs& dialogs, WorkingFile& file,
               const RecordEditorWords& words)
      : state_(state), dialogs_(dialogs), file_(file), words_(words) {}

  // The shared record buffer of the file: read record n into it, write it as record n.
  virtual void ReadBuffer(int n) = 0;
  virtual void WriteBuffer(int n) = 0;
  // The fields from the buffer.
  virtual void ShowBuffer() = 0;
  // The buffer from the fields; the message of the first field that cannot be stored, "" when
  // all can (the buffer is then set).
  virtual std::string StoreFields() = 0;
  // Every field emptied.
  virtual void Empty() = 0;
  // Find: the find dialog on the editor's file, by number or station.
  virtual void Find(const ShowFind& showFind);
  // A key of the editor's own (Properties, Assign), after the save. False when the record shown
  // stays as it is rather than being read again.
  virtual bool PressOwn(EditorKey key);

  ProjectState& state_;
  UserDialogs& dialogs_;
  bool dirty_ = false;

 private:
  void Insert();
  void Delete();

  WorkingFile& file_;
  const RecordEditorWords& words_;
  FindSectionModel find_;
};

}  // namespace calvora
