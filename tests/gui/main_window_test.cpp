// mdiCV: its menus and tool bar as named, and the commands reaching the project through them.

#include "shell/gui/main_window.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>
#include <filesystem>

#include "gui/recording_dialogs.h"
#include "shell/main_window_model.h"
#include "support/temp_folder.h"

namespace calvora {

namespace {

using testing::ReadBytes;
using testing::RecordingDialogs;
using testing::TempFolder;

// A child window that refuses to close, as an editor whose person answers Cancel.
class StubbornChild : public QWidget {
 public:
  bool mayClose = false;

 protected:
  void closeEvent(QCloseEvent* event) override { event->setAccepted(mayClose); }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  struct Fixture {
    TempFolder folder;
    RecordingDialogs dialogs;
    ProjectState state;
    std::unique_ptr<MainWindow> window;

    Fixture() {
      state.AppDir = folder.Path();
      window = std::make_unique<MainWindow>(state, folder / "config", &dialogs);
    }
    QAction* Item(const char* name) const {
      return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QAction* Button(const char* key) const {
      auto* bar = window->findChild<QToolBar*>(QStringLiteral("ToolBarMain"));
      for (QAction* action : bar->actions()) {
        if (action->objectName() == QLatin1String(key)) {
          return action;
        }
      }
      return nullptr;
    }
    std::string NewProject(const std::string& name) {
      const std::string path = (folder / name).string();
      dialogs.fileAnswers.push_back(path);
      Item("mnuProjNew")->trigger();
      return path;
    }
  };

 private slots:
  void MenusAreAsTabled() {
    Fixture f;
    QStringList shown;
    for (QAction* menu : f.window->menuBar()->actions()) {
      shown << menu->menu()->objectName() + QLatin1Char('=') + menu->text();
      for (QAction* item : menu->menu()->actions()) {
        shown << QStringLiteral("  ") + item->objectName() + QLatin1Char('=') +
                     (item->isSeparator() ? QStringLiteral("-") : item->text());
      }
    }
    const QStringList expected = {"mnuProj=&File",
                                  "  mnuProjNew=&New",
                                  "  mnuProjOpen=&Open",
                                  "  mnuProjSep1=-",
                                  "  mnuFilePrinter=&Printer setup",
                                  "  mnuProjProp=P&roperties",
                                  "  mnuProjSep2=-",
                                  "  mnuProjRecent(0)=",
                                  "  mnuProjRecent(1)=",
                                  "  mnuProjRecent(2)=",
                                  "  mnuProjRecent(3)=",
                                  "  mnuProjSep3=-",
                                  "  mnuProgExit=&Exit",
                                  "mnuEdit=&Edit",
                                  "  mnuEditData=&Data",
                                  "  mnuEditVar=&Typical cross section",
                                  "  mnuEditCRV=&Alignment",
                                  "mnuDraw=&Draw",
                                  "  mnuDrawCross=&Cross Sections",
                                  "  mnuDrawProf=&Longitudinal Section",
                                  "  mnuDrawBrok=&Brokner Diagram",
                                  "  mnuDrawPlan=&Plan",
                                  "mnuTool=&Tools",
                                  "  mnuToolProj=&Calculate proj. elev.",
                                  "  mnuToolVar=Create &Variants",
                                  "  mnuToolWid=&Widen ground",
                                  "mnuCalc=&Calculations",
                                  "  mnuCalcVol=&Volumes",
                                  "  mnuCalcXYZ=&Plan coordinates",
                                  "mnuDesign=De&sign",
                                  "  mnuDesignHcurve=&Horizontal curves",
                                  "  mnuDesignKloto=&Spiral curves",
                                  "mnuWindow=&Window",
                                  "  mnuWindowChild(0)=&Cascade",
                                  "  mnuWindowChild(1)=Tile &Horizontally",
                                  "  mnuWindowChild(2)=Tile &Vertically",
                                  "  mnuWindowChild(3)=&Arrange Icons",
                                  "mnuHelp=&Help",
                                  "  mnuHelpContents=&Help Contents",
                                  "  mnuHelpAbout=&About Calvora"};
    QCOMPARE(shown, expected);

    QMenu& type = f.window->TypeMenu();
    QCOMPARE(type.objectName(), QStringLiteral("mnuType"));
    QVERIFY(!f.window->menuBar()->actions().contains(type.menuAction()));
    QStringList typeItems;
    for (QAction* item : type.actions()) {
      typeItems << item->objectName() + QLatin1Char('=') + item->text();
    }
    QCOMPARE(typeItems,
             QStringList({"mnuTypeInsert=&Insert", "mnuTypeDelete=&Delete", "mnuTypeEdit=&Edit"}));
  }

  void StartsWithoutProjectOrRecentEntries() {
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Calvora"));
    for (int i = 0; i < 4; ++i) {
      QVERIFY(!f.Item(QStringLiteral("mnuProjRecent(%1)").arg(i).toLatin1())->isVisible());
    }
    QVERIFY(!f.Item("mnuProjSep3")->isVisible());
    QVERIFY(!f.Button("Properties")->isEnabled());
    QCOMPARE(f.Item("mnuProjNew")->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(f.Item("mnuProjOpen")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(f.Item("mnuProgExit")->shortcut(), QKeySequence(QKeySequence::Quit));
  }

  void ToolBarHasItsKeyedButtonsInOrder() {
    Fixture f;
    auto* bar = f.window->findChild<QToolBar*>(QStringLiteral("ToolBarMain"));
    QStringList keys;
    for (QAction* action : bar->actions()) {
      keys << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
      QVERIFY(action->isSeparator() || !action->icon().isNull());
    }
    QCOMPARE(keys, QStringList({"-", "New", "Open", "-", "Properties", "-", "Cross"}));
  }

  void NewWritesTheProjectAndShowsIt() {
    Fixture f;
    const std::string path = f.NewProject("ROAD.PRJ");
    QCOMPARE(ReadBytes(path).size(), std::size_t{728});
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Calvora - [ROAD.PRJ]"));
    QVERIFY(f.Button("Properties")->isEnabled());
    QVERIFY(f.Item("mnuProjRecent(0)")->isVisible());
    QCOMPARE(f.Item("mnuProjRecent(0)")->text(), QString::fromStdString(path));
    QVERIFY(!f.Item("mnuProjRecent(1)")->isVisible());
    QVERIFY(f.Item("mnuProjSep3")->isVisible());
    QCOMPARE(f.dialogs.shown, std::vector<std::string>{"SaveFile: Select Project File"});
  }

  void OpenAndRecentEntriesGoThroughTheButtonsAndMenu() {
    Fixture f;
    const std::string first = f.NewProject("A.PRJ");
    const std::string second = f.NewProject("B.PRJ");
    f.dialogs.fileAnswers.push_back(first);
    f.Button("Open")->trigger();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Calvora - [A.PRJ]"));
    QCOMPARE(f.Item("mnuProjRecent(1)")->text(), QString::fromStdString(second));
    f.Item("mnuProjRecent(1)")->trigger();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Calvora - [B.PRJ]"));
    QCOMPARE(f.Item("mnuProjRecent(0)")->text(), QString::fromStdString(second));

    // The list comes back at the next start.
    MainWindow again(f.state, f.folder / "config", &f.dialogs);
    QCOMPARE(again.findChild<QAction*>(QStringLiteral("mnuProjRecent(1)"))->text(),
             QString::fromStdString(first));
  }

  void GuardsSayWhatIsMissingInTheirOrder() {
    Fixture f;
    QSignalSpy editors(f.window.get(), &MainWindow::editorRequested);
    QSignalSpy cross(f.window.get(), &MainWindow::crossSectionsRequested);
    for (const char* name : {"mnuCalcXYZ", "mnuDesignHcurve", "mnuDesignKloto", "mnuToolWid",
                             "mnuDrawCross", "mnuEditData", "mnuEditVar", "mnuEditCRV",
                             "mnuProjProp", "mnuDrawProf", "mnuToolVar", "mnuHelpContents"}) {
      f.Item(name)->trigger();
    }
    f.Button("Cross")->trigger();
    const std::vector<std::string> expected = {
        "Message: Alignment file not loaded.", "Message: Alignment file not loaded.",
        "Message: Alignment file not loaded.", "Message: Data file not loaded.",
        "Message: Data file not loaded.",      "Message: Data file not loaded."};
    QCOMPARE(f.dialogs.shown, expected);
    QCOMPARE(editors.count(), 0);
    QCOMPARE(cross.count(), 0);
  }

  void EditorIsRequestedOnlyForALoadedFile() {
    Fixture f;
    QSignalSpy editors(f.window.get(), &MainWindow::editorRequested);
    testing::WriteBytes(f.folder / "ROAD.CRV", std::vector<std::uint8_t>(40, 0));
    f.state.Align.FileName = (f.folder / "ROAD.CRV").string();
    f.state.Align.File.emplace(f.folder / "ROAD.CRV", 20);
    f.Item("mnuEditData")->trigger();
    f.Item("mnuEditCRV")->trigger();
    QCOMPARE(editors.count(), 1);
    QCOMPARE(editors.at(0).at(0).value<WorkingFileKind>(), WorkingFileKind::Alignment);
  }

  void ExitClosesChildrenFirstAndStopsWhenOneRefuses() {
    Fixture f;
    f.window->show();
    auto* child = new StubbornChild;
    f.window->Children().addSubWindow(child)->show();
    f.Item("mnuProgExit")->trigger();
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->Children().subWindowList().size(), 1);

    child->mayClose = true;
    f.Item("mnuProgExit")->trigger();
    QVERIFY(!f.window->isVisible());
  }

  void WindowMenuListsAndArrangesTheChildren() {
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
    QCOMPARE(items.mid(4), QStringList({"", "&1 Sections", "&2 Alignment"}));

    f.Item("mnuWindowChild(2)")->trigger();  // tile vertically: side by side
    QCOMPARE(one->geometry().top(), two->geometry().top());
    QVERIFY(one->geometry().right() < two->geometry().left());
    f.Item("mnuWindowChild(1)")->trigger();  // tile horizontally: one above the other
    QCOMPARE(one->geometry().left(), two->geometry().left());
    QVERIFY(one->geometry().bottom() < two->geometry().top());
  }

  void NeverSmallerThanFourThousandTwips() {
    Fixture f;
    const QSize least = f.window->minimumSize();
    QCOMPARE(least.width(), MainWindowModel::TwipsToPixels(4000, f.window->logicalDpiX()));
    QCOMPARE(least.height(), MainWindowModel::TwipsToPixels(4000, f.window->logicalDpiY()));
    QVERIFY(least.width() * 1440.0 / f.window->logicalDpiX() >= 4000.0);
  }
};

}  // namespace calvora

CALVORA_GUI_TEST_MAIN(calvora::MainWindowTest)
#include "main_window_test.moc"
