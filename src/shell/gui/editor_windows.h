#pragma once
// The record editors as child windows of the main window: "&Edit > &Data" and "&Edit >
// &Alignment" open them, a second choice brings the open one to the front, and the data editor
// follows computations that rewrite the survey data file.

#include <QObject>
#include <QPointer>

#include "project/user_dialogs.h"
#include "project/working_files.h"

class QMdiSubWindow;

namespace calvora {

class AlignmentEditor;
class DataEditor;
class MainWindow;
class TypicalSectionEditor;

class EditorWindows : public QObject {
  Q_OBJECT

 public:
  // A child of the window; the editors ask through dialogs.
  EditorWindows(MainWindow& window, UserDialogs& dialogs);

  // The open editors, nullptr when closed.
  DataEditor* Data() const;
  AlignmentEditor* Alignment() const;
  TypicalSectionEditor* TypicalSections() const;
  // The data editor on that section, after offering to save what it holds.
  void EditSection(int record);

 private:
  void Open(WorkingFileKind kind);
  QMdiSubWindow* AddChild(QWidget* editor);

  MainWindow& window_;
  UserDialogs& dialogs_;
  QPointer<QMdiSubWindow> data_;
  QPointer<QMdiSubWindow> alignment_;
  QPointer<QMdiSubWindow> variant_;
};

}  // namespace calvora
