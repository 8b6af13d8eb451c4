// The progress dialog's cancel protocol and the main window's least size.

#include "shell/progress_model.h"

#include <gtest/gtest.h>

#include "shell/main_window_model.h"

namespace calvora {
namespace {

// A pass over count steps as every user of the dialog runs it; the person presses Cancel
// while step cancelAt runs. Returns the last step done.
int RunPass(ProgressModel& progress, int count, int cancelAt) {
  progress.Start(count);
  int done = 0;
  for (int step = 1; step <= count; ++step) {
    done = step;
    if (step == cancelAt) {
      progress.Cancel();
    }
    if (progress.Step(step)) {
      break;
    }
  }
  progress.Finish();
  return done;
}

TEST(ProgressModel, CancelStopsAfterTheCurrentStepAndTheNextPassRunsToTheEnd) {
  ProgressModel progress;
  EXPECT_EQ(RunPass(progress, 10, 4), 4);
  EXPECT_TRUE(progress.CancelRequested());
  EXPECT_FALSE(progress.Visible());
  EXPECT_EQ(RunPass(progress, 10, 0), 10);
  EXPECT_FALSE(progress.CancelRequested());
}

TEST(ProgressModel, MarkSurvivesBetweenUsesUntilAStartClearsIt) {
  ProgressModel progress;
  progress.Cancel();
  EXPECT_TRUE(progress.Step(1));
  progress.Start(3);
  EXPECT_TRUE(progress.Visible());
  EXPECT_FALSE(progress.Step(2));
  EXPECT_EQ(progress.Value(), 2);
  EXPECT_EQ(progress.Maximum(), 3);
}

TEST(ProgressModel, ValueStaysWithinTheBar) {
  ProgressModel progress;
  progress.Start(5);
  progress.Step(9);
  EXPECT_EQ(progress.Value(), 5);
  progress.Start(-1);
  EXPECT_EQ(progress.Maximum(), 0);
}

TEST(MainWindowModel, FourThousandTwipsAtTheScreensResolution) {
  EXPECT_EQ(MainWindowModel::TwipsToPixels(4000, 96), 267);  // 266.67 rounded up
  EXPECT_EQ(MainWindowModel::TwipsToPixels(4000, 144), 400);
  EXPECT_EQ(MainWindowModel::TwipsToPixels(1440, 72), 72);
  EXPECT_EQ(MainWindowModel::TwipsToPixels(4000, 0), 267);  // no resolution: the common one
}

}  // namespace
}  // namespace calvora
