// frmProgress: its controls, and "Cancel" or Escape stopping a pass.

#include "shell/gui/progress_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "gui/qt_printing.h"

namespace calvora {
namespace {

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
    if (value == cancelAt_) {
      QMetaObject::invokeMethod(CancelButton(dialog_), "click", Qt::QueuedConnection);
    }
    return dialog_.Step(value);
  }
  void Finish() override { dialog_.Finish(); }

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

TEST(ProgressDialog, CancelOrEscapeStopsThePassAtItsNextStep) {
  QWidget parent;
  ProgressDialog dialog(&parent);
  dialog.Start(3);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.Step(1));
  dialog.Finish();
  ClickingProgress clicking(dialog, 4);  // the next pass starts afresh
  EXPECT_EQ(RunPass(clicking, 10), 3);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace calvora
