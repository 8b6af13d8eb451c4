// frmProgress: its controls, and "Cancel" stopping a pass, a volume run among them.

#include "shell/gui/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "gui/recording_dialogs.h"
#include "quantities/calc_volumes.h"
#include "shell/gui/main_window.h"
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

}  // namespace

class ProgressDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ControlsAreNamedAndCaptioned() {
    QWidget parent;
    ProgressDialog dialog(&parent);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmProgress"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Progress"));
    QVERIFY(dialog.findChild<QProgressBar*>(QStringLiteral("Progress")) != nullptr);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblProgress"))->text(), QString());
    QCOMPARE(CancelButton(dialog)->text(), QStringLiteral("Cancel"));
  }

  void BarFollowsTheStepsAndHidesAtTheEnd() {
    QWidget parent;
    ProgressDialog dialog(&parent);
    auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("Progress"));
    dialog.Start(8);
    QVERIFY(dialog.isVisible());
    QCOMPARE(bar->maximum(), 8);
    QVERIFY(!dialog.Step(5));
    QCOMPARE(bar->value(), 5);
    dialog.Finish();
    QVERIFY(!dialog.isVisible());
  }

  void CancelStopsThePassAtItsNextStepAndTheNextPassRunsToTheEnd() {
    QWidget parent;
    ProgressDialog dialog(&parent);
    ClickingProgress clicking(dialog, 4);
    QCOMPARE(RunPass(clicking, 10), 3);
    QVERIFY(dialog.Model().CancelRequested());
    QVERIFY(!dialog.isVisible());
    ClickingProgress untouched(dialog, 0);
    QCOMPARE(RunPass(untouched, 10), 10);
  }

  void EscapeAsksToStopAsCancelDoes() {
    QWidget parent;
    ProgressDialog dialog(&parent);
    dialog.Start(3);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.Step(1));
    dialog.Finish();
  }

  void CancelStopsAVolumeRunAfterTheCurrentSection() {
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
    QVERIFY(state.Data.Count() > 3);

    ClickingProgress clicking(window.ProgressWindow(), 3);
    const VolumeRunSummary stopped = CalcVolumes(state, dialogs, clicking);
    QVERIFY(stopped.Cancelled);
    QCOMPARE(clicking.steps, std::vector<int>({2, 3}));
    QCOMPARE(stopped.SectionsReported + int(stopped.LeftOut.size()), 2);
    QVERIFY(!window.ProgressWindow().isVisible());

    ClickingProgress untouched(window.ProgressWindow(), 0);
    const VolumeRunSummary full = CalcVolumes(state, dialogs, untouched);
    QVERIFY(!full.Cancelled);
    QVERIFY(full.Written);
    QCOMPARE(full.SectionsReported + int(full.LeftOut.size()), state.Data.Count());
    QCOMPARE(untouched.steps.back(), state.Data.Count());
  }
};

}  // namespace calvora

CALVORA_GUI_TEST_MAIN(calvora::ProgressDialogTest)
#include "progress_dialog_test.moc"
