// The cross-section window in the main window: "Find" goes to the sheet of the section found, a
// double-click on a section opens the data editor on it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "drawing/gui/cross_window.h"
#include "shell/gui/data_editor.h"
#include "shell/gui/editor_windows.h"
#include "shell/gui/main_window.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

// The sample road (9 sections, 4 a sheet) in the main window with its editors, the
// cross-section window open.
class CrossWindowEditing : public ::testing::Test {
 protected:
  CrossWindowEditing() {
    window.findChild<QAction*>(QStringLiteral("Cross"))->trigger();
    cross = window.findChild<CrossWindow*>();
  }
  testing::Road road{testing::SampleRoad()};
  testing::RecordingDialogs dialogs;
  // The recent list in the road's folder, not the program folder the road was opened with.
  ProjectState& state = (road.state.AppDir = road.folder.Path(), road.state);
  MainWindow window{state, road.folder / "config", &dialogs};
  EditorWindows* editors = new EditorWindows(window, dialogs);
  CrossWindow* cross = nullptr;
};

TEST_F(CrossWindowEditing, ADoubleClickedSectionOpensInTheDataEditor) {
  for (const int record : {6, 3}) {  // the second time the open editor turns to it
    emit cross->sectionActivated(record);
    ASSERT_NE(editors->Data(), nullptr);
    EXPECT_EQ(road.state.Data.Current, record);
    EXPECT_EQ(editors->Data()->Model().PositionText().rfind(
                  "Section No. " + std::to_string(record) + " of 9", 0),
              0u);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CrossWindowEditing, FindShowsTheSheetOfTheSectionFound) {
  QTimer::singleShot(0, [] {
    QWidget* find = QApplication::activeModalWidget();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->objectName(), QStringLiteral("frmFindSec"));
    find->findChild<QLineEdit*>(QStringLiteral("txtFromSec"))->setText(QStringLiteral("9"));
    find->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  cross->findChild<QAction*>(QStringLiteral("Find"))->trigger();
  EXPECT_EQ(cross->Model().PageText(), "Page: 3 of 3");
}

// Another project closes the windows of the open one first; an editor that cannot store what
// it holds keeps the project open.
TEST_F(CrossWindowEditing, AnotherProjectClosesTheWindowsOfTheOpenOneFirst) {
  window.findChild<QAction*>(QStringLiteral("mnuEditData"))->trigger();
  const std::string project = road.state.ProjectPath;
  const std::string other = (road.folder / "OTHER.PRJ").string();
  for (const char* kilo : {"40000", "7"}) {  // not storable, then storable
    editors->Data()->Model().Type(SectionField::Kilo, kilo);
    dialogs.yesNoAnswers.push_back(true);  // "Save changes ?"
    dialogs.fileAnswers.push_back(other);
    window.findChild<QAction*>(QStringLiteral("mnuProjNew"))->trigger();
    if (kilo[1] != '\0') {
      EXPECT_EQ(road.state.ProjectPath, project);
      EXPECT_FALSE(std::filesystem::exists(other));
      EXPECT_EQ(window.Children().subWindowList().size(), 1);  // the editor; the drawing closed
    }
  }
  EXPECT_TRUE(window.Children().subWindowList().isEmpty());
  EXPECT_EQ(road.state.ProjectPath, other);
}

}  // namespace
}  // namespace calvora
