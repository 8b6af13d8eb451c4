// The cross-section window in the main window: a double-click on a section opens the data
// editor on it.

#include <gtest/gtest.h>

#include <QAction>

#include "drawing/gui/cross_window.h"
#include "shell/gui/data_editor.h"
#include "shell/gui/editor_windows.h"
#include "shell/gui/main_window.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

TEST(CrossWindowEditing, ADoubleClickedSectionOpensInTheDataEditor) {
  testing::Road road(testing::SampleRoad());
  testing::RecordingDialogs dialogs;
  MainWindow window(road.state, road.folder / "config", &dialogs);
  auto* editors = new EditorWindows(window, dialogs);
  window.findChild<QAction*>(QStringLiteral("Cross"))->trigger();
  auto* cross = window.findChild<CrossWindow*>();
  ASSERT_NE(cross, nullptr);
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

}  // namespace
}  // namespace calvora
