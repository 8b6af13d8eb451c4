// The record editors and the find dialog: controls under their names, bound to their models,
// and opened from the main window's menu.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "shell/gui/alignment_editor.h"
#include "shell/gui/data_editor.h"
#include "shell/gui/editor_windows.h"
#include "shell/gui/find_section_dialog.h"
#include "shell/gui/main_window.h"
#include "support/road_project.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {

namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

struct Files {
  TempFolder folder;
  ScriptedDialogs dialogs;
  ProjectState state;

  Files() {
    state.AppDir = folder.Path();
    state.Data.FileName = "ROAD.DAT";
    state.Data.File.emplace(folder / "ROAD.DAT", SectionRecord::kLength);
    WriteRecord(*state.Data.File, 1, testing::MakeSection(0, 100, {{5, 99}}, {}));
    state.Align.FileName = "ROAD.CRV";
    state.Align.File.emplace(folder / "ROAD.CRV", AlignmentRecord::kLength);
    WriteRecord(*state.Align.File, 1, AlignmentRecord{0, 20, 2, 300, 50, 0.2f});
  }
};

template <typename Widget>
Widget* Named(const QWidget& parent, const QString& name) {
  auto* widget = parent.findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}

// Every text box has a label that leads to it.
void ExpectLabelled(const QWidget& parent, const QStringList& names) {
  QList<QWidget*> buddies;
  for (const QLabel* label : parent.findChildren<QLabel*>()) {
    buddies << label->buddy();
  }
  for (const QString& name : names) {
    EXPECT_TRUE(buddies.contains(Named<QWidget>(parent, name))) << name.toStdString();
  }
}

void ExpectToolBar(const QWidget& editor) {
  QStringList keys;
  for (const QAction* action : Named<QToolBar>(editor, QStringLiteral("Toolbar1"))->actions()) {
    if (!action->isSeparator()) {
      keys << action->objectName();
      EXPECT_FALSE(action->shortcut().isEmpty()) << action->objectName().toStdString();
    }
  }
  EXPECT_EQ(keys,
            QStringList({"First", "Prev", "Next", "Last", "Delete", "Insert", "Find", "Exit"}));
}

TEST(DataEditor, BindsNamedFieldsRowsAndSketch) {
  Files f;
  DataEditor editor(f.state, f.dialogs);
  editor.resize(900, 560);
  editor.show();
  editor.Open();
  ExpectToolBar(editor);
  QStringList fields = {"txtKilo",   "txtMeter", "txtVar",  "txtPRElev",
                        "txtGRElev", "txtLeft",  "txtRight"};
  for (int k = 0; k < 9; ++k) {
    fields << QStringLiteral("txtLeftDist(%1)").arg(k) << QStringLiteral("txtRightDist(%1)").arg(k);
  }
  ExpectLabelled(editor, fields);
  EXPECT_EQ(Named<QGroupBox>(editor, "fraMain")->title(), QStringLiteral("Section No. 1 of 1 "));
  EXPECT_EQ(Named<QLineEdit>(editor, "txtLeftDist(0)")->text(), QStringLiteral("5"));

  QWidget* sketch = Named<QWidget>(editor, "picSketch");
  const QImage before = sketch->grab().toImage();
  QTest::keyClicks(Named<QLineEdit>(editor, "txtLeftElev(0)"), "7");  // 997
  EXPECT_TRUE(editor.Model().Dirty());
  EXPECT_NE(sketch->grab().toImage(), before);

  auto* left = Named<QLineEdit>(editor, "txtLeft");
  left->selectAll();
  QTest::keyClicks(left, "12");
  EXPECT_EQ(left->text(), QStringLiteral("9"));
  EXPECT_TRUE(Named<QLineEdit>(editor, "txtLeftElev(8)")->isVisible());
  left->selectAll();
  QTest::keyClicks(left, "0");
  EXPECT_FALSE(Named<QLineEdit>(editor, "txtLeftDist(0)")->isVisible());
  QTest::keyClicks(Named<QLineEdit>(editor, "txtKilo"), "99999");
  EXPECT_TRUE(Named<QLabel>(editor, "lblSketch")->text().startsWith("KM: 199999 cannot be stored"));
  f.dialogs.ExpectYesNo("Save changes ?", false);
  EXPECT_TRUE(editor.close());
}

TEST(AlignmentEditor, CodeListSetsParameterLabelsAndHidesTheStation) {
  Files f;
  AlignmentEditor editor(f.state, f.dialogs);
  editor.show();
  editor.Open();
  ExpectToolBar(editor);
  ExpectLabelled(editor, {"txtKilo", "txtMeter", "cmbCode", "txtParam1", "txtParam2", "txtParam3"});
  auto* code = Named<QComboBox>(editor, "cmbCode");
  EXPECT_EQ(code->count(), 11);
  EXPECT_EQ(code->currentText(), QStringLiteral("Start of left-turn"));
  EXPECT_EQ(Named<QLabel>(editor, "lblParam2")->text(), QStringLiteral("Lenght:"));
  emit code->activated(8);
  EXPECT_EQ(Named<QLabel>(editor, "lblParam1")->text(), QStringLiteral("X:"));
  EXPECT_FALSE(Named<QLineEdit>(editor, "txtParam3")->isVisible());
  EXPECT_FALSE(Named<QLineEdit>(editor, "txtKilo")->isVisible());
  EXPECT_TRUE(editor.Model().Dirty());
  f.dialogs.ExpectYesNo("Save changes ?", false);
  EXPECT_TRUE(editor.close());
}

TEST(FindSectionDialog, OptionsEnableTheirFieldsAndOkAnswersInTheTag) {
  Files f;
  FindSectionModel model;
  model.Tag = kAlignFindTag;
  FindSectionDialog dialog(model, f.state, f.dialogs, nullptr);
  dialog.show();
  for (const char* hidden : {"txtToSec", "txtToStaKm", "txtToStamet"}) {
    EXPECT_FALSE(Named<QLineEdit>(dialog, hidden)->isVisible()) << hidden;
  }
  EXPECT_FALSE(Named<QLineEdit>(dialog, "txtFromStaKm")->isEnabled());
  Named<QRadioButton>(dialog, "optFind(1)")->click();
  EXPECT_FALSE(Named<QLineEdit>(dialog, "txtFromSec")->isEnabled());
  QTest::keyClicks(Named<QLineEdit>(dialog, "txtFromStaMet"), "20");
  QTest::keyClicks(Named<QLineEdit>(dialog, "txtFromStaKm"), "0");
  f.state.Align.Current = 0;
  Named<QPushButton>(dialog, "cmdOK")->click();
  EXPECT_EQ(model.Tag, "True");
  EXPECT_EQ(f.state.Align.Current, 1);
}

TEST(EditorWindows, MenuOpensEachEditorOnceAndBringsItToTheFront) {
  Files f;
  f.state.ProjectPath = (f.folder / "ROAD.PRJ").string();
  MainWindow window(f.state, f.folder / "config", &f.dialogs);
  EditorWindows editors(window, f.dialogs);
  window.show();
  auto* data = window.findChild<QAction*>(QStringLiteral("mnuEditData"));
  data->trigger();
  window.findChild<QAction*>(QStringLiteral("mnuEditCRV"))->trigger();
  data->trigger();
  EXPECT_EQ(window.Children().subWindowList().size(), 2);
  ASSERT_NE(editors.Data(), nullptr);
  EXPECT_EQ(window.Children().activeSubWindow()->widget(), editors.Data());
  EXPECT_EQ(editors.Data()->windowTitle(), QStringLiteral("Data"));
  EXPECT_EQ(editors.Alignment()->windowTitle(), QStringLiteral("Alignment"));
  window.Children().closeAllSubWindows();
}

TEST(EditorWindows, DataEditorFollowsAComputationThatRewritesTheFile) {
  Files f;
  MainWindow window(f.state, f.folder / "config", &f.dialogs);
  EditorWindows editors(window, f.dialogs);
  window.findChild<QAction*>(QStringLiteral("mnuEditData"))->trigger();
  QTest::keyClicks(Named<QLineEdit>(*editors.Data(), "txtPRElev"), "5");  // "05"
  f.dialogs.ExpectYesNo("Save changes ?", true);
  emit window.dataFileAboutToBeRewritten();
  EXPECT_EQ(ReadRecord<SectionRecord>(*f.state.Data.File, 1).PRElev, 5.0f);
  SectionRecord rewritten;
  rewritten.Kilo = 9;
  WriteRecord(*f.state.Data.File, 1, rewritten);
  f.state.Data.Current = 0;  // computations walk the current record
  emit window.dataFileRewritten();
  EXPECT_EQ(editors.Data()->Model().Current(), 1);
  EXPECT_EQ(Named<QLineEdit>(*editors.Data(), "txtKilo")->text(), QStringLiteral("9"));

  // The menu items of those computations signal around them (here their guard stops them).
  QSignalSpy before(&window, &MainWindow::dataFileAboutToBeRewritten);
  QSignalSpy after(&window, &MainWindow::dataFileRewritten);
  f.state.Data = {};
  f.dialogs.ExpectMessage("Data file not loaded.");
  window.findChild<QAction*>(QStringLiteral("mnuToolWid"))->trigger();
  EXPECT_EQ(before.count(), 1);
  EXPECT_EQ(after.count(), 1);
  // With its file gone, the editor drops what it cannot write.
  QTest::keyClicks(Named<QLineEdit>(*editors.Data(), "txtVar"), "2");
  f.dialogs.ExpectYesNo("Save changes ?", true).ExpectMessage("Data file not loaded.");
  window.Children().closeAllSubWindows();
}

}  // namespace
}  // namespace calvora
