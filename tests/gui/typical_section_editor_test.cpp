// The typical cross-section editor's window: its controls bound to the model, the pair of it and
// the drawing window hiding each other, and the pop-up menu "Type" with the line dialog.

#include "shell/gui/typical_section_editor.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "drawing/gui/template_picture.h"
#include "shell/gui/editor_windows.h"
#include "shell/gui/main_window.h"
#include "support/road_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

struct Editing : ::testing::Test {
  testing::Road road{[] {
    testing::RoadRecords records = testing::TwoLaneRoad({99.5, 99.5});
    records.variants = {testing::MakeVariant({{2, 0}, {5, -0.1}, {7, -0.5}}, 0.5),
                        testing::MakeVariant({{3, 0}}, 1)};
    return records;
  }()};
  testing::ScriptedDialogs dialogs;
  MainWindow window{road.state, road.folder / "config", &dialogs};
  EditorWindows editors{window, dialogs};

  Editing() {
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuEditVar"))->trigger();
  }
  ~Editing() override { window.Children().closeAllSubWindows(); }
  TypicalSectionEditor& Editor() { return *editors.TypicalSections(); }
  QString Shown(const char* name) {
    return Editor().findChild<QWidget*>(name)->property("text").toString();
  }
};

TEST_F(Editing, PanelsToolBarAndTheDrawingWindowFollowTheModel) {
  ASSERT_NE(editors.TypicalSections(), nullptr);
  EXPECT_EQ(Editor().windowTitle(), QStringLiteral("Typical Cross Sections"));
  EXPECT_EQ(Shown("VarNum"), QStringLiteral("Record: 1 of 2"));
  EXPECT_EQ(Shown("Tran"), QStringLiteral("Ditch in cut"));
  QStringList keys;
  for (const QAction* action : Editor().findChild<QToolBar*>("Toolbar1")->actions()) {
    if (!action->isSeparator()) {
      keys << action->objectName();
      EXPECT_FALSE(action->shortcut().isEmpty()) << action->objectName().toStdString();
    }
  }
  EXPECT_EQ(keys, QStringList({"First", "Prev", "Next", "Last", "Delete", "Properties", "Assign",
                               "Find", "Exit"}));
  Editor().findChild<QAction*>("Next")->trigger();
  EXPECT_EQ(Shown("VarNum"), QStringLiteral("Record: 2 of 2"));
  for (const char* mode : {"Ditch in fill", "No Ditch", "Ditch in cut"}) {
    Editor().findChild<QPushButton*>("Tran")->click();
    EXPECT_EQ(Shown("Tran"), QString::fromLatin1(mode));
  }

  QWidget* editorWindow = Editor().parentWidget();
  window.ShowCrossSections();
  EXPECT_FALSE(editorWindow->isVisible()) << "the drawing hides the editor";
  window.findChild<QAction*>(QStringLiteral("mnuEditVar"))->trigger();
  EXPECT_TRUE(editorWindow->isVisible());
  for (QMdiSubWindow* child : window.Children().subWindowList()) {
    EXPECT_EQ(child->isVisible(), child == editorWindow) << "the editor hides the drawing";
  }
}

TEST_F(Editing, TheRightButtonPopsUpTypeWhoseItemsActAtThePoint) {
  auto* picture = Editor().findChild<TemplatePicture*>("picVar");
  const QPoint onMiddleLine = picture->rect().center() + QPoint(picture->height() * 3 / 20, 0);
  QTest::mousePress(picture, Qt::RightButton, {}, onMiddleLine);
  EXPECT_NEAR(Editor().Model().ClickX(), 3, 0.1);
  EXPECT_TRUE(window.TypeMenu().isVisible());
  window.TypeMenu().hide();

  QTimer::singleShot(0, [this] {
    QWidget* form = QApplication::activeModalWidget();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("frmLineInfo"));
    for (const QLabel* label : form->findChildren<QLabel*>()) {
      EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
    }
    auto* length = form->findChild<QLineEdit*>("txtLenght");
    EXPECT_EQ(length->text(), QStringLiteral("3"));
    length->setText(QStringLiteral("abc"));
    dialogs.ExpectMessage("Lenght: abc is not a number.");
    form->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_TRUE(form->isVisible()) << "a text that is no number keeps the dialog open";
    length->setText(QStringLiteral("4"));
    form->findChild<QPushButton*>("cmdOK")->click();
  });
  window.findChild<QAction*>(QStringLiteral("mnuTypeEdit"))->trigger();
  EXPECT_EQ(Editor().Model().Record().Point(2, 0), 6.0f);
  QTest::mouseMove(picture, onMiddleLine);
  EXPECT_EQ(picture->toolTip(), QStringLiteral("L= 4  S= -.033"));

  dialogs.ExpectYesNo("Delete this line?", true);
  window.findChild<QAction*>(QStringLiteral("mnuTypeDelete"))->trigger();
  EXPECT_EQ(Editor().Model().Record().LinesOnSide(1), 2);
  dialogs.ExpectYesNo("Save changes to file?", false);
}

}  // namespace
}  // namespace calvora
