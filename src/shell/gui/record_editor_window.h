#pragma once
// What the two record editor windows share: the tool bar bound to the model, the find dialog
// shown for it, and closing that offers to save.

#include <QWidget>
#include <span>

#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "shell/record_editor.h"

class QLineEdit;
class QToolBar;

namespace calvora {

// Sets the text only when it differs, so the cursor of the field being typed in stays.
void ShowText(QLineEdit* box, const std::string& text);

class RecordEditorWindow : public QWidget {
  Q_OBJECT

 public:
  // Opening: record 1.
  void Open();
  // Shows the current record again (after it was moved from outside).
  void Load();

 protected:
  RecordEditorWindow(RecordEditor& model, ProjectState& state, UserDialogs& dialogs,
                     QWidget* parent, std::span<const EditorButton> buttons = EditorButtons());

  // The fields from the model.
  virtual void ShowModel() = 0;
  void closeEvent(QCloseEvent* event) override;

  ProjectState& state_;
  UserDialogs& dialogs_;
  QToolBar* toolBar_ = nullptr;

 private:
  void Press(EditorKey key);

  RecordEditor& model_;
};

}  // namespace calvora
