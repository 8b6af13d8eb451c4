// frmProgress: its controls, and "Cancel" stopping a pass, a volume run among them.

#include "shell/gui/progress_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "gui/qt_printing.h"
#include "quantities/calc_volumes.h"
#include "shell/gui/main_window.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::RecordingDialogs;
using testing::TempFolder;

QPushButton* CancelButton(ProgressDialog& dialog) {
  return dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
}

// The dialog as a pass sees it; the person clicks "Cancel" while step cancelAt is shown. The
// click is queued as a real one would be, and reaches the dialog while the step lets events in.
class ClickingProgress : public Progress {
 public:
  ClickingProgress(ProgressDialog& dialog, int cancelAt) : dialog_(dialog), cancelAt_(cancelAt) {}
  void Start(int maximum) override { dialog_.Start(maximum); }
  bool Step(int value) override {
    steps.push_back(value);
    if (value == cancelAt_) {
      QMetaObject::invokeMethod(CancelButton(dialog_), "click", Qt::QueuedConnection);
    }
    return dialog_.Step(value);
  }
  void Finish() override { dialog_.Finish(); }
  std::vector<int> steps;

 private:
  ProgressDialog& dialog_;
  int cancelAt_;
};

int RunPass(Progress& progress, int count) {
  progress.Start(count);
  int done = 0;
  for (int step = 1; step <= count; ++step) {
    if (progress.Step(step)) {
      break;
    }
    done = step;
  }
  progress.Finish();
  return done;
}

TEST(ProgressDialog, BarUnderItsNameFollowsTheStepsAndHidesAtTheEnd) {
  QWidget parent;
  ProgressDialog dialog(&parent);
  EXPECT_EQ(dialog.objectName(), QStringLiteral("frmProgress"));
  EXPECT_NE(dialog.findChild<QLabel*>(QStringLiteral("lblProgress")), nullptr);
  EXPECT_NE(CancelButton(dialog), nullptr);
  auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("Progress"));
  ASSERT_NE(bar, nullptr);
  dialog.Start(8);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(bar->maximum(), 8);
  EXPECT_FALSE(dialog.Step(5));
  EXPECT_EQ(bar->value(), 5);
  dialog.Finish();
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgressDialog, CancelStopsThePassAtItsNextStepAndTheNextPassRunsToTheEnd) {
  QWidget parent;
  ProgressDialog dialog(&parent);
  ClickingProgress clicking(dialog, 4);
  EXPECT_EQ(RunPass(clicking, 10), 3);
  EXPECT_TRUE(dialog.Model().CancelRequested());
  EXPECT_FALSE(dialog.isVisible());
  ClickingProgress untouched(dialog, 0);
  EXPECT_EQ(RunPass(untouched, 10), 10);
}

TEST(ProgressDialog, EscapeAsksToStopAsCancelDoes) {
  QWidget parent;
  ProgressDialog dialog(&parent);
  dialog.Start(3);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.Step(1));
  dialog.Finish();
}

TEST(ProgressDialog, CancelStopsAVolumeRunAfterTheCurrentSection) {
  TempFolder folder;
  for (const auto& entry :
       std::filesystem::directory_iterator(CALVORA_SOURCE_DIR "/examples/demo")) {
    std::filesystem::copy_file(entry.path(), folder / entry.path().filename().string());
  }
  RecordingDialogs dialogs;
  ProjectState state;
  state.AppDir = CALVORA_BINARY_DIR;
  MainWindow window(state, folder / "config", &dialogs);
  window.OpenProjectPath((folder / "DEMO.PRJ").string());
  ASSERT_GT(state.Data.Count(), 3);

  ClickingProgress clicking(window.ProgressWindow(), 3);
  const VolumeRunSummary stopped = CalcVolumes(state, dialogs, clicking);
  EXPECT_TRUE(stopped.Cancelled);
  EXPECT_EQ(clicking.steps, std::vector<int>({2, 3}));
  EXPECT_EQ(stopped.SectionsReported + int(stopped.LeftOut.size()), 2);
  EXPECT_FALSE(window.ProgressWindow().isVisible());

  ClickingProgress untouched(window.ProgressWindow(), 0);
  const VolumeRunSummary full = CalcVolumes(state, dialogs, untouched);
  EXPECT_FALSE(full.Cancelled);
  EXPECT_TRUE(full.Written);
  EXPECT_EQ(full.SectionsReported + int(full.LeftOut.size()), state.Data.Count());
  EXPECT_EQ(untouched.steps.back(), state.Data.Count());
}

}  // namespace
}  // namespace calvora
