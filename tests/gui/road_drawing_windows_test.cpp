// The longitudinal-section and mass-haul windows opened from "&Draw" in the main window: their
// guards, their own buttons and the sheets they show.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "drawing/gui/mass_haul_window.h"
#include "drawing/gui/profile_window.h"
#include "shell/gui/main_window.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

TEST(RoadDrawingWindows, OpenFromTheDrawMenuOnceEach) {
  testing::Road road{testing::TwoLaneRoad({99.5, 99.5, 101, 101})};
  testing::RecordingDialogs dialogs;
  ProjectState& state = (road.state.AppDir = road.folder.Path(), road.state);
  MainWindow window{state, road.folder / "config", &dialogs};
  for (int time = 0; time < 2; ++time) {  // the second time brings the open windows forward
    window.findChild<QAction*>(QStringLiteral("mnuDrawProf"))->trigger();
    window.findChild<QAction*>(QStringLiteral("mnuDrawBrok"))->trigger();
  }
  EXPECT_EQ(window.Children().subWindowList().size(), 2);
  auto* profile = window.findChild<ProfileWindow*>();
  auto* haul = window.findChild<MassHaulWindow*>();
  ASSERT_NE(profile, nullptr);
  ASSERT_NE(haul, nullptr);
  EXPECT_EQ(window.Children().activeSubWindow()->widget(), haul);
  EXPECT_EQ(profile->objectName(), QStringLiteral("frmDrawProf"));
  EXPECT_EQ(haul->objectName(), QStringLiteral("frmDrawBrok"));
  EXPECT_NE(profile->findChild<QAction*>(QStringLiteral("Scales")), nullptr);
  EXPECT_NE(haul->findChild<QAction*>(QStringLiteral("Options")), nullptr);
  EXPECT_EQ(haul->Model().Sheets().Haul.Ordinates.size(), 4u);
  EXPECT_EQ(profile->Model().PageText(), "Page: 1 of 1");
  EXPECT_TRUE(dialogs.shown.empty());

  // Without the typical cross-sections the mass-haul diagram does not open.
  window.Children().closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  state.Var = {};
  window.findChild<QAction*>(QStringLiteral("mnuDrawBrok"))->trigger();
  EXPECT_EQ(window.findChild<MassHaulWindow*>(), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace calvora
