#include "shell/gui/editor_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/gui/alignment_editor.h"
#include "shell/gui/data_editor.h"
#include "shell/gui/main_window.h"
#include "shell/gui/typical_section_editor.h"

namespace calvora {

EditorWindows::EditorWindows(MainWindow& window, UserDialogs& dialogs)
    : QObject(&window), window_(window), dialogs_(dialogs) {
  setObjectName(QStringLiteral("editorWindows"));
  connect(&window, &MainWindow::editorRequested, this, &EditorWindows::Open);
  connect(&window, &MainWindow::sectionEditRequested, this, &EditorWindows::EditSection);
  connect(&window, &MainWindow::crossSectionsShowing, this, [this] {
    if (variant_) {
      variant_->hide();
    }
  });
  connect(&window, &MainWindow::dataFileAboutToBeRewritten, this, [this] {
    if (DataEditor* editor = Data()) {
      editor->BeforeRewrite();
    }
  });
  connect(&window, &MainWindow::dataFileRewritten, this, [this] {
    if (DataEditor* editor = Data()) {
      editor->AfterRewrite();
    }
  });
}

DataEditor* EditorWindows::Data() const {
  return data_ ? qobject_cast<DataEditor*>(data_->widget()) : nullptr;
}

AlignmentEditor* EditorWindows::Alignment() const {
  return alignment_ ? qobject_cast<AlignmentEditor*>(alignment_->widget()) : nullptr;
}

QMdiSubWindow* EditorWindows::AddChild(QWidget* editor) {
  QMdiSubWindow* child = window_.Children().addSubWindow(editor);
  child->setAttribute(Qt::WA_DeleteOnClose);
  child->setWindowIcon(window_.windowIcon());
  return child;
}

TypicalSectionEditor* EditorWindows::TypicalSections() const {
  return variant_ ? qobject_cast<TypicalSectionEditor*>(variant_->widget()) : nullptr;
}

void EditorWindows::EditSection(int record) {
  if (Data() != nullptr && !Data()->Model().Save()) {
    return;
  }
  Open(WorkingFileKind::Data);  // a new editor starts on the first section
  window_.State().Data.Current = record;
  Data()->Load();
}

void EditorWindows::Open(WorkingFileKind kind) {
  QPointer<QMdiSubWindow>& open = kind == WorkingFileKind::Data        ? data_
                                  : kind == WorkingFileKind::Alignment ? alignment_
                                                                       : variant_;
  if (kind == WorkingFileKind::Variant) {
    window_.HideCrossSections();
  }
  if (open) {
    open->showNormal();
    window_.Children().setActiveSubWindow(open);
    return;
  }
  if (kind == WorkingFileKind::Data) {
    auto* editor = new DataEditor(window_.State(), dialogs_);
    open = AddChild(editor);
    open->resize(980, 720);
    editor->Open();
  } else if (kind == WorkingFileKind::Alignment) {
    auto* editor = new AlignmentEditor(window_.State(), dialogs_);
    open = AddChild(editor);
    open->resize(560, 300);
    editor->Open();
  } else {
    auto* editor = new TypicalSectionEditor(window_.State(), dialogs_, window_.TypeMenu());
    open = AddChild(editor);
    open->resize(760, 480);
    editor->Open();
  }
  open->show();
  window_.Children().setActiveSubWindow(open);
}

}  // namespace calvora
