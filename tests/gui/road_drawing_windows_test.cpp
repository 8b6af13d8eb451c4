// The longitudinal-section, mass-haul and plan windows opened from "&Draw" in the main window:
// their guards, their own buttons and the sheets they show.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "drawing/gui/mass_haul_window.h"
#include "drawing/gui/plan_window.h"
#include "drawing/gui/profile_window.h"
#include "shell/gui/main_window.h"
#include "support/alignment_project.h"
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

TEST(RoadDrawingWindows, PlanOpensOnlyWithTheAlignment) {
  testing::AlignmentProject road({testing::XyRecord(0, 0), testing::XyRecord(1000, 0)}, {});
  testing::RecordingDialogs dialogs;
  MainWindow window{road.State(), road.Path("config"), &dialogs};
  auto* plan = window.findChild<QAction*>(QStringLiteral("mnuDrawPlan"));
  plan->trigger();
  auto* child = window.findChild<PlanWindow*>();
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->objectName(), QStringLiteral("frmDrawPlan"));
  EXPECT_NE(child->findChild<QAction*>(QStringLiteral("Scale")), nullptr);
  EXPECT_TRUE(dialogs.shown.empty());

  window.Children().closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  road.State().Align = {};
  plan->trigger();
  EXPECT_EQ(window.findChild<PlanWindow*>(), nullptr);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Message: Alignment file not loaded."});
}

}  // namespace
}  // namespace calvora
