#include "shell/gui/record_editor_window.h"

#include <QCloseEvent>
#include <QLineEdit>

#include "shell/gui/editor_tool_bar.h"
#include "shell/gui/find_section_dialog.h"

namespace calvora {

void ShowText(QLineEdit* box, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (box->text() != shown) {
    box->setText(shown);
  }
}

RecordEditorWindow::RecordEditorWindow(RecordEditor& model, ProjectState& state,
                                       UserDialogs& dialogs, QWidget* parent,
                                       std::span<const EditorButton> buttons)
    : QWidget(parent), state_(state), dialogs_(dialogs), model_(model) {
  toolBar_ = MakeEditorToolBar(this, buttons, [this](EditorKey key) { Press(key); });
}

void RecordEditorWindow::Open() {
  model_.Open();
  ShowModel();
}

void RecordEditorWindow::Load() {
  model_.Load();
  ShowModel();
}

void RecordEditorWindow::Press(EditorKey key) {
  const bool close = model_.Press(key, [this](FindSectionModel& find) {
    FindSectionDialog dialog(find, state_, dialogs_, this);
    dialog.exec();
  });
  ShowModel();
  if (close) {
    // In the main window the editor closes with its child window.
    (parentWidget() != nullptr ? parentWidget() : this)->close();
  }
}

void RecordEditorWindow::closeEvent(QCloseEvent* event) {
  event->setAccepted(model_.Close());
  ShowModel();
}

}  // namespace calvora
