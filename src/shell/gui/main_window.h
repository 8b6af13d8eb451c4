#pragma once
// mdiCV: the frame of the application. Menus, the tool bar, the recent-projects list and the
// child windows; every command is dispatched from here to the part that does the work.

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <array>
#include <filesystem>
#include <memory>

#include "project/project_state.h"
#include "project/shell_window.h"
#include "shell/gui/progress_dialog.h"
#include "shell/gui/qt_user_dialogs.h"
#include "shell/main_commands.h"
#include "shell/recent_projects.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace calvora {

class MainWindow : public QMainWindow, public ShellWindow {
  Q_OBJECT

 public:
  // The recent list lives in state.AppDir, or in configFolder when the program's folder refuses
  // it. Questions go to Qt's dialogs unless a test hands its own.
  MainWindow(ProjectState& state, const std::filesystem::path& configFolder,
             UserDialogs* dialogs = nullptr);
  ~MainWindow() override;

  void SetCaption(const std::string& caption) override;
  void EnableProperties(bool enabled) override;
  bool CloseProjectWindows() override;

  ProjectState& State() { return state_; }
  MainCommands& Commands() { return *commands_; }
  ProgressDialog& ProgressWindow() { return *progress_; }
  QMdiArea& Children() { return *children_; }
  // The printer chosen in "Printer setup", for printed output.
  QPrinter& Printer() { return printer_; }
  // The pop-up menu of the typical cross-section editor.
  QMenu& TypeMenu() { return *typeMenu_; }

  // Opens a project named outside the window (the command line), as a recent entry does.
  void OpenProjectPath(const std::string& path);
  void ShowProperties();
  void ShowAbout();
  // frmDrawCross as a child window; brought to the front when it is open.
  void ShowCrossSections();
  // The longitudinal section, the mass-haul diagram or the plan as a child window, likewise.
  void ShowDrawing(CommandId id);
  // The typical cross-section editor and the drawing never stand side by side.
  void HideCrossSections();

 signals:
  // The editors and the drawing window, when their files are loaded; they attach here.
  void editorRequested(calvora::WorkingFileKind kind);
  void crossSectionsRequested();
  // The drawing window is about to be shown: the typical cross-section editor hides.
  void crossSectionsShowing();
  // Around a computation that rewrites the survey data file ("&Calculate proj. elev.", "&Widen
  // ground"): an open data editor offers to save before and shows the file as it is after.
  void dataFileAboutToBeRewritten();
  void dataFileRewritten();
  // A section chosen in a drawing (a double-click) for the data editor.
  void sectionEditRequested(int record);

 protected:
  // Closes the child windows first (editors ask about unsaved changes); one that stays open
  // keeps the program running.
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption);
  void CreateMenus();
  void CreateToolBar();
  // The table command's menu item, which runs it.
  QAction* AddCommandItem(QMenu* menu, CommandId id);
  void RunCommand(CommandId id);
  void ShowRecent();
  void ListChildren(QMenu* menu);
  void ArrangeChildren(int arrangement);
  void PrinterSetup();

  ProjectState& state_;
  QtUserDialogs qtDialogs_;
  UserDialogs& dialogs_;
  ProgressDialog* progress_;
  RecentProjects recent_;
  std::unique_ptr<MainCommands> commands_;
  QMdiArea* children_;
  QPrinter printer_;
  std::array<QAction*, RecentProjects::kMaxEntries> recentItems_{};
  QAction* recentSeparator_ = nullptr;
  QAction* propertiesButton_ = nullptr;
  QMenu* typeMenu_ = nullptr;
  QList<QAction*> childItems_;
  QPointer<QMdiSubWindow> crossSections_;
  QPointer<QMdiSubWindow> profile_;
  QPointer<QMdiSubWindow> massHaul_;
  QPointer<QMdiSubWindow> plan_;
};

}  // namespace calvora
