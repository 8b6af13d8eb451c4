// frmProjProp: every control under its name, bound to the project record.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QtTest>

#include "gui/recording_dialogs.h"
#include "records/record_file.h"
#include "shell/gui/project_properties_dialog.h"
#include "project/project_commands.h"
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
      qFatal("no control %s", qPrintable(name));
    }
    return widget;
  }
  QLineEdit* Text(const QString& name) const { return Get<QLineEdit>(name); }
  void Click(const char* button) const { Get<QPushButton>(QLatin1String(button))->click(); }
};

}  // namespace

class PropertiesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryControlIsThereUnderItsName() {
    Fixture f;
    QCOMPARE(f.dialog->objectName(), QStringLiteral("frmProjProp"));
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Project Properties"));
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
    QCOMPARE(f.Get<QPushButton>("cmdDatFile")->text(), QStringLiteral("..."));
    QCOMPARE(f.Get<QPushButton>("cmdFont")->text(), QStringLiteral("Change Font"));
    QCOMPARE(f.Get<QRadioButton>("optCalcMethod(1)")->text(), QStringLiteral("Precise Method"));
    QCOMPARE(f.Get<QRadioButton>("optDeca(1)")->text(), QStringLiteral("Fixed Width Decapaje"));
    QCOMPARE(f.Get<QGroupBox>("fraFiles")->title(), QStringLiteral("Project Files"));
    QCOMPARE(f.Get<QSlider>("Slider1")->minimum(), 1);
    QCOMPARE(f.Get<QSlider>("Slider1")->maximum(), 10);

    auto* tabs = f.Get<QTabBar>("tabProjProp");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) {
      captions << tabs->tabText(i);
    }
    QCOMPARE(captions,
             QStringList({"Files", "Titles", "Section", "Print", "Layers", "Calculation"}));
    QCOMPARE(tabs->tabToolTip(0), QStringLiteral("Name and path of project files"));
  }

  void TabsShowOneFrameEach() {
    Fixture f;
    f.dialog->show();
    const char* frames[] = {"fraFiles", "fraTitles", "fraCross",
                            "fraPrint", "fraLayers", "fraCalc"};
    auto* tabs = f.Get<QTabBar>("tabProjProp");
    for (int shown = 0; shown < 6; ++shown) {
      tabs->setCurrentIndex(shown);
      for (int i = 0; i < 6; ++i) {
        QCOMPARE(f.Get<QGroupBox>(QLatin1String(frames[i]))->isVisible(), i == shown);
      }
    }
  }

  void NewProjectShowsItsDefaults() {
    Fixture f;
    f.dialog->show();
    QVERIFY(f.Get<QGroupBox>("fraFiles")->isVisible());
    QCOMPARE(f.Text("txtDatFile")->text(), QString());
    QCOMPARE(f.Get<QSlider>("Slider1")->value(), 2);
    QCOMPARE(f.Get<QLabel>("lblNumSec")->text(), QStringLiteral("2"));
    QVERIFY(f.Get<QCheckBox>("chkBorder")->isChecked());
    const QFont sample = f.Get<QLabel>("lblSample")->font();
    QCOMPARE(sample.family(), QStringLiteral("Courier New"));
    QCOMPARE(sample.pointSize(), 10);
    QCOMPARE(f.Text("txtNumLines")->text(), QStringLiteral("64"));
    QCOMPARE(f.Text("txtComp(2)")->text(), QStringLiteral("0"));
    QCOMPARE(f.Text("txtThick(4)")->text(), QStringLiteral("0"));
    QVERIFY(f.Get<QRadioButton>("optDeca(0)")->isChecked());
    QVERIFY(!f.Text("txtDecaThick")->isEnabled());
  }

  void OkCopiesTheControlsIntoTheRecord() {
    Fixture f;
    f.Text("txtLeft")->setText(QStringLiteral("  Main road  "));
    f.Text("txtMargin(0)")->setText(QStringLiteral("abc"));
    f.Text("txtMargin(3)")->setText(QStringLiteral("1.5"));
    f.Text("txtNumLines")->setText(QStringLiteral("2.5"));
    f.Text("txtPen(2)")->setText(QStringLiteral("0.35"));
    f.Text("txtComp(1)")->setText(QStringLiteral("95"));
    f.Get<QSlider>("Slider1")->setValue(6);
    QCOMPARE(f.Get<QLabel>("lblNumSec")->text(), QStringLiteral("6"));
    f.Get<QCheckBox>("chkDatum")->setChecked(true);
    f.Get<QRadioButton>("optCalcMethod(1)")->click();
    f.Get<QRadioButton>("optDeca(1)")->click();
    QVERIFY(f.Text("txtDecaThick")->isEnabled());
    f.Text("txtDecaThick")->setText(QStringLiteral("0.25"));
    f.Get<QRadioButton>("optDeca(0)")->click();
    QVERIFY(!f.Text("txtDecaThick")->isEnabled());
    f.Click("cmdOK");

    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    const ProjectRecord stored = f.Stored();
    QCOMPARE(stored.TitleLeft, std::string("Main road"));
    QCOMPARE(stored.Margin[0], 0.0f);
    QCOMPARE(stored.Margin[3], 1.5f);
    QCOMPARE(stored.NumLines, std::int16_t{2});
    QCOMPARE(stored.Pen[2], 0.35f);
    QCOMPARE(stored.Compaction[1], 95.0f);
    QCOMPARE(stored.SectionsPerSheet, std::int16_t{6});
    QCOMPARE(stored.DrawDatum, std::int16_t{-1});
    QCOMPARE(stored.CalcMethod, std::int16_t{1});
    QCOMPARE(stored.DecaMethod, std::int16_t{0});
    QCOMPARE(stored.DecaThick, 0.25f);
  }

  void LinesPerPageBeyondInt16KeepTheDialogOpenAndTheFileUnchanged() {
    Fixture f;
    f.dialog->show();
    const auto before = ReadBytes(f.Path());
    f.Text("txtNumLines")->setText(QStringLiteral("40000"));
    f.Click("cmdOK");
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.dialogs.shown.size(), std::size_t{1});
    QVERIFY(f.dialogs.shown[0].find("40000") != std::string::npos);
    QCOMPARE(ReadBytes(f.Path()), before);
  }

  void CancelWritesNothing() {
    Fixture f;
    const auto before = ReadBytes(f.Path());
    f.Text("txtLeft")->setText(QStringLiteral("never saved"));
    f.Click("cmdCancel");
    QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(ReadBytes(f.Path()), before);
    QCOMPARE(f.state.Project.TitleLeft, std::string());
  }

  void FileButtonsAskAndFillTheirBox() {
    Fixture f;
    f.dialogs.fileAnswers = {"/roads/R1.DAT", ""};
    f.Click("cmdDatFile");
    QCOMPARE(f.Text("txtDatFile")->text(), QStringLiteral("/roads/R1.DAT"));
    f.Text("txtAlignFile")->setText(QStringLiteral("kept"));
    f.Click("cmdAlignFile");  // cancelled
    QCOMPARE(f.Text("txtAlignFile")->text(), QStringLiteral("kept"));
    QCOMPARE(f.dialogs.shown, std::vector<std::string>({"OpenFile: Select Data File",
                                                        "OpenFile: Select Alignment File"}));
  }
};

}  // namespace calvora

CALVORA_GUI_TEST_MAIN(calvora::PropertiesDialogTest)
#include "properties_dialog_test.moc"
