// frmProjProp: every control under its name, bound to the project record.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <stdexcept>

#include "gui/qt_printing.h"
#include "project/project_commands.h"
#include "records/record_file.h"
#include "shell/gui/project_properties_dialog.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {

namespace {

using testing::ReadBytes;
using testing::RecordingDialogs;
using testing::TempFolder;

struct Fixture {
  TempFolder folder;
  RecordingDialogs dialogs;
  NoShellWindow shell;
  ProjectState state;
  std::unique_ptr<ProjectPropertiesDialog> dialog;

  Fixture() {
    if (!CreateProject(state, Path(), shell, dialogs)) {
      qFatal("cannot create the test project");
    }
    dialog = std::make_unique<ProjectPropertiesDialog>(state, dialogs, nullptr);
  }
  std::string Path() const { return (folder / "ROAD.PRJ").string(); }
  ProjectRecord Stored() const {
    RecordFile file(Path(), ProjectRecord::kLength);
    return ReadRecord<ProjectRecord>(file, 1);
  }
  template <typename Widget>
  Widget* Get(const QString& name) const {
    auto* widget = dialog->findChild<Widget*>(name);
    if (widget == nullptr) {
      throw std::runtime_error("no control " + name.toStdString());
    }
    return widget;
  }
  QLineEdit* Text(const QString& name) const { return Get<QLineEdit>(name); }
  void Click(const char* button) const { Get<QPushButton>(QLatin1String(button))->click(); }
};

TEST(PropertiesDialog, EveryControlIsThereUnderItsName) {
  Fixture f;
  EXPECT_EQ(f.dialog->objectName(), QStringLiteral("frmProjProp"));
  for (const char* name :
       {"txtDatFile", "txtVarFile", "txtAlignFile", "txtLeft", "txtCenter", "txtRight",
        "txtNumLines", "txtDecaThick", "txtMargin(0)", "txtMargin(3)", "txtPen(0)", "txtPen(4)",
        "txtComp(0)", "txtComp(4)", "txtThick(0)", "txtThick(4)"}) {
    f.Text(QLatin1String(name));
  }
  for (const char* name :
       {"cmdDatFile", "cmdVarFile", "cmdAlignFile", "cmdFont", "cmdOK", "cmdCancel", "cmdHelp"}) {
    f.Get<QPushButton>(QLatin1String(name));
  }
  for (const char* name :
       {"fraFiles", "fraTitles", "fraCross", "fraPrint", "fraLayers", "fraCalc", "fraFont",
        "fraMargins", "fraPen", "fraComp", "fraCalcMethod", "fraDeca"}) {
    f.Get<QGroupBox>(QLatin1String(name));
  }
  EXPECT_EQ(f.Get<QSlider>("Slider1")->minimum(), 1);
  EXPECT_EQ(f.Get<QSlider>("Slider1")->maximum(), 10);
  EXPECT_EQ(f.Get<QTabBar>("tabProjProp")->count(), 6);
}

TEST(PropertiesDialog, TabsShowOneFrameEach) {
  Fixture f;
  f.dialog->show();
  const char* frames[] = {"fraFiles", "fraTitles", "fraCross", "fraPrint", "fraLayers", "fraCalc"};
  auto* tabs = f.Get<QTabBar>("tabProjProp");
  for (int shown = 0; shown < 6; ++shown) {
    tabs->setCurrentIndex(shown);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(f.Get<QGroupBox>(QLatin1String(frames[i]))->isVisible(), i == shown);
    }
  }
}

TEST(PropertiesDialog, ShowsTheRecordInItsControls) {
  Fixture f;
  EXPECT_EQ(f.Get<QSlider>("Slider1")->value(), 2);
  EXPECT_EQ(f.Get<QLabel>("lblNumSec")->text(), QStringLiteral("2"));
  EXPECT_TRUE(f.Get<QCheckBox>("chkBorder")->isChecked());
  EXPECT_EQ(f.Get<QLabel>("lblSample")->font().family(), QStringLiteral("Courier New"));
  EXPECT_EQ(f.Text("txtNumLines")->text(), QStringLiteral("64"));
  EXPECT_TRUE(f.Get<QRadioButton>("optDeca(0)")->isChecked());
  EXPECT_FALSE(f.Text("txtDecaThick")->isEnabled());
}

TEST(PropertiesDialog, OkCopiesTheControlsIntoTheRecord) {
  Fixture f;
  f.Text("txtLeft")->setText(QStringLiteral("Main road"));
  f.Text("txtMargin(3)")->setText(QStringLiteral("1.5"));
  f.Text("txtNumLines")->setText(QStringLiteral("70"));
  f.Text("txtPen(2)")->setText(QStringLiteral("0.35"));
  f.Text("txtComp(1)")->setText(QStringLiteral("95"));
  f.Get<QSlider>("Slider1")->setValue(6);
  EXPECT_EQ(f.Get<QLabel>("lblNumSec")->text(), QStringLiteral("6"));
  f.Get<QCheckBox>("chkDatum")->setChecked(true);
  f.Get<QRadioButton>("optCalcMethod(1)")->click();
  f.Get<QRadioButton>("optDeca(1)")->click();
  EXPECT_TRUE(f.Text("txtDecaThick")->isEnabled());
  f.Text("txtDecaThick")->setText(QStringLiteral("0.25"));
  f.Click("cmdOK");

  EXPECT_EQ(f.dialog->result(), int(QDialog::Accepted));
  const ProjectRecord stored = f.Stored();
  EXPECT_EQ(stored.TitleLeft, std::string("Main road"));
  EXPECT_EQ(stored.Margin[3], 1.5f);
  EXPECT_EQ(stored.NumLines, std::int16_t{70});
  EXPECT_EQ(stored.Pen[2], 0.35f);
  EXPECT_EQ(stored.Compaction[1], 95.0f);
  EXPECT_EQ(stored.SectionsPerSheet, std::int16_t{6});
  EXPECT_EQ(stored.DrawDatum, std::int16_t{-1});
  EXPECT_EQ(stored.CalcMethod, std::int16_t{1});
  EXPECT_EQ(stored.DecaMethod, std::int16_t{1});
  EXPECT_EQ(stored.DecaThick, 0.25f);
}

// A refused value keeps the dialog open; Cancel closes it; neither writes.
TEST(PropertiesDialog, RefusedOrCancelledChangesWriteNothing) {
  Fixture f;
  f.dialog->show();
  const auto before = ReadBytes(f.Path());
  f.Text("txtNumLines")->setText(QStringLiteral("40000"));
  f.Click("cmdOK");
  EXPECT_TRUE(f.dialog->isVisible());
  EXPECT_EQ(f.dialogs.shown.size(), std::size_t{1});
  f.Click("cmdCancel");
  EXPECT_EQ(f.dialog->result(), int(QDialog::Rejected));
  EXPECT_EQ(ReadBytes(f.Path()), before);
  EXPECT_EQ(f.state.Project.NumLines, std::int16_t{64});
}

TEST(PropertiesDialog, FileButtonsAskAndFillTheirBox) {
  Fixture f;
  f.dialogs.fileAnswers = {"/roads/R1.DAT", ""};
  f.Click("cmdDatFile");
  EXPECT_EQ(f.Text("txtDatFile")->text(), QStringLiteral("/roads/R1.DAT"));
  f.Text("txtAlignFile")->setText(QStringLiteral("kept"));
  f.Click("cmdAlignFile");  // cancelled
  EXPECT_EQ(f.Text("txtAlignFile")->text(), QStringLiteral("kept"));
  EXPECT_EQ(f.dialogs.shown, std::vector<std::string>({"OpenFile: Select Data File",
                                                       "OpenFile: Select Alignment File"}));
}

}  // namespace
}  // namespace calvora
