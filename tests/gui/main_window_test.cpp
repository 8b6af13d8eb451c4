// mdiCV: its menus and tool bar as named, and the commands reaching the project through them.

#include "shell/gui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <set>

#include "gui/qt_printing.h"
#include "shell/main_window_model.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {

namespace {

using testing::RecordingDialogs;
using testing::TempFolder;

// A child window that refuses to close, as an editor whose person answers Cancel.
class StubbornChild : public QWidget {
 public:
  bool mayClose = false;

 protected:
  void closeEvent(QCloseEvent* event) override { event->setAccepted(mayClose); }
};

struct Fixture {
  TempFolder folder;
  RecordingDialogs dialogs;
  ProjectState state;
  std::unique_ptr<MainWindow> window;

  Fixture() {
    state.AppDir = folder.Path();
    window = std::make_unique<MainWindow>(state, folder / "config", &dialogs);
  }
  // A menu item or, by its key, a tool bar button.
  QAction* Item(const char* name) const {
    return window->findChild<QAction*>(QString::fromLatin1(name));
  }
  std::string NewProject(const std::string& name) {
    const std::string path = (folder / name).string();
    dialogs.fileAnswers.push_back(path);
    Item("mnuProjNew")->trigger();
    return path;
  }
};

TEST(MainWindow, EveryMenuItemCarriesItsOwnNameAndTheTypeMenuStaysOffTheBar) {
  Fixture f;
  std::set<QString> names;
  const auto expectNamed = [&](QAction* item) {
    const QString name = item->menu() != nullptr ? item->menu()->objectName() : item->objectName();
    EXPECT_TRUE(name.startsWith(QStringLiteral("mnu"))) << item->text().toStdString();
    EXPECT_TRUE(names.insert(name).second) << name.toStdString();
    const bool mayBeBlank = item->isSeparator() || name.startsWith(QStringLiteral("mnuProjRecent"));
    EXPECT_TRUE(mayBeBlank || !item->text().isEmpty()) << name.toStdString();
  };
  for (QAction* menu : f.window->menuBar()->actions()) {
    expectNamed(menu);
    for (QAction* item : menu->menu()->actions()) {
      expectNamed(item);
    }
  }
  QMenu& type = f.window->TypeMenu();
  EXPECT_FALSE(f.window->menuBar()->actions().contains(type.menuAction()));
  expectNamed(type.menuAction());
  for (QAction* item : type.actions()) {
    expectNamed(item);
  }
  EXPECT_EQ(names.size(), 47u);
}

TEST(MainWindow, ToolBarHasItsKeyedButtonsInOrder) {
  Fixture f;
  auto* bar = f.window->findChild<QToolBar*>(QStringLiteral("ToolBarMain"));
  QStringList keys;
  for (QAction* action : bar->actions()) {
    keys << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());
  }
  EXPECT_EQ(keys, QStringList({"-", "New", "Open", "-", "Properties", "-", "Cross"}));
}

TEST(MainWindow, NewShowsTheProjectItWrote) {
  Fixture f;
  EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Calvora"));
  EXPECT_FALSE(f.Item("mnuProjRecent(0)")->isVisible());
  EXPECT_FALSE(f.Item("mnuProjSep3")->isVisible());
  EXPECT_FALSE(f.Item("Properties")->isEnabled());
  EXPECT_EQ(f.Item("mnuProjNew")->shortcut(), QKeySequence(QKeySequence::New));
  EXPECT_EQ(f.Item("mnuProjOpen")->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(f.Item("mnuProgExit")->shortcut(), QKeySequence(QKeySequence::Quit));

  const std::string path = f.NewProject("ROAD.PRJ");
  EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Calvora - [ROAD.PRJ]"));
  EXPECT_TRUE(f.Item("Properties")->isEnabled());
  EXPECT_EQ(f.Item("mnuProjRecent(0)")->text(), QString::fromStdString(path));
  EXPECT_TRUE(f.Item("mnuProjRecent(0)")->isVisible());
  EXPECT_FALSE(f.Item("mnuProjRecent(1)")->isVisible());
  EXPECT_TRUE(f.Item("mnuProjSep3")->isVisible());
  EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{"SaveFile: Select Project File"});
}

TEST(MainWindow, OpenAndRecentEntriesGoThroughTheButtonsAndMenu) {
  Fixture f;
  const std::string first = f.NewProject("A.PRJ");
  const std::string second = f.NewProject("B.PRJ");
  f.dialogs.fileAnswers.push_back(first);
  f.Item("Open")->trigger();
  EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Calvora - [A.PRJ]"));
  EXPECT_EQ(f.Item("mnuProjRecent(1)")->text(), QString::fromStdString(second));
  f.Item("mnuProjRecent(1)")->trigger();
  EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Calvora - [B.PRJ]"));
  EXPECT_EQ(f.Item("mnuProjRecent(0)")->text(), QString::fromStdString(second));

  // The list comes back at the next start.
  MainWindow again(f.state, f.folder / "config", &f.dialogs);
  EXPECT_EQ(again.findChild<QAction*>(QStringLiteral("mnuProjRecent(1)"))->text(),
            QString::fromStdString(first));
}

TEST(MainWindow, GuardsSayWhatIsMissingInTheirOrder) {
  Fixture f;
  QSignalSpy editors(f.window.get(), &MainWindow::editorRequested);
  QSignalSpy cross(f.window.get(), &MainWindow::crossSectionsRequested);
  for (const char* name : {"mnuCalcXYZ", "mnuDesignHcurve", "mnuDesignKloto", "mnuToolWid",
                           "mnuDrawCross", "mnuEditData", "mnuEditVar", "mnuEditCRV", "mnuProjProp",
                           "mnuDrawProf", "mnuToolVar", "mnuHelpContents"}) {
    f.Item(name)->trigger();
  }
  f.Item("Cross")->trigger();
  const std::vector<std::string> expected = {
      "Message: Alignment file not loaded.", "Message: Alignment file not loaded.",
      "Message: Alignment file not loaded.", "Message: Data file not loaded.",
      "Message: Data file not loaded.",      "Message: Data file not loaded.",
      "Message: Data file not loaded."};
  EXPECT_EQ(f.dialogs.shown, expected);
  EXPECT_EQ(editors.count(), 0);
  EXPECT_EQ(cross.count(), 0);
}

TEST(MainWindow, ExitClosesChildrenFirstAndStopsWhenOneRefuses) {
  Fixture f;
  f.window->show();
  auto* child = new StubbornChild;
  f.window->Children().addSubWindow(child)->show();
  f.Item("mnuProgExit")->trigger();
  EXPECT_TRUE(f.window->isVisible());
  EXPECT_EQ(f.window->Children().subWindowList().size(), 1);

  child->mayClose = true;
  f.Item("mnuProgExit")->trigger();
  EXPECT_FALSE(f.window->isVisible());
}

TEST(MainWindow, WindowMenuListsAndArrangesTheChildren) {
  Fixture f;
  f.window->show();
  QMdiSubWindow* one = f.window->Children().addSubWindow(new QWidget);
  QMdiSubWindow* two = f.window->Children().addSubWindow(new QWidget);
  one->setWindowTitle(QStringLiteral("Sections"));
  two->setWindowTitle(QStringLiteral("Alignment"));
  one->show();
  two->show();
  auto* menu = f.window->findChild<QMenu*>(QStringLiteral("mnuWindow"));
  emit menu->aboutToShow();
  QStringList items;
  for (QAction* item : menu->actions()) {
    items << item->text();
  }
  EXPECT_EQ(items.mid(4), QStringList({"", "&1 Sections", "&2 Alignment"}));

  f.Item("mnuWindowChild(2)")->trigger();  // tile vertically: side by side
  EXPECT_EQ(one->geometry().top(), two->geometry().top());
  EXPECT_TRUE(one->geometry().right() < two->geometry().left());
  f.Item("mnuWindowChild(1)")->trigger();  // tile horizontally: one above the other
  EXPECT_EQ(one->geometry().left(), two->geometry().left());
  EXPECT_TRUE(one->geometry().bottom() < two->geometry().top());
}

TEST(MainWindow, NeverSmallerThanFourThousandTwips) {
  Fixture f;
  const QSize least = f.window->minimumSize();
  EXPECT_EQ(least.width(), MainWindowModel::TwipsToPixels(4000, f.window->logicalDpiX()));
  EXPECT_EQ(least.height(), MainWindowModel::TwipsToPixels(4000, f.window->logicalDpiY()));
}

}  // namespace
}  // namespace calvora
