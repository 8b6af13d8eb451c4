// The recent-projects list as the main window's commands keep it.

#include "shell/recent_projects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "project/project_commands.h"
#include "shell/main_commands.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using ::testing::ElementsAre;
using testing::ReadText;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::WriteBytes;

class RecentList : public ::testing::Test {
 protected:
  RecentList() : recent(folder.Path(), folder / "config") {}

  // A project file that Open can read.
  std::string MakeProject(const std::string& name) {
    ProjectState other;
    NoShellWindow window;
    const std::string path = (folder / name).string();
    EXPECT_TRUE(CreateProject(other, path, window, dialogs));
    return path;
  }

  void OpenInTurn(const std::vector<std::string>& paths) {
    for (const auto& path : paths) {
      commands.OpenPath(path);
    }
  }

  std::string ListText() const { return ReadText(folder / "projects.lst"); }

  TempFolder folder;
  ScriptedDialogs dialogs;
  SilentProgress progress;
  NoShellWindow shell;
  ProjectState state;
  RecentProjects recent;
  MainCommands commands{state, shell, dialogs, progress, recent};
};

TEST_F(RecentList, FiveProjectsKeepTheLastFourNewestFirstInMenuAndFile) {
  std::vector<std::string> p;
  for (const char* name : {"A.PRJ", "B.PRJ", "C.PRJ", "D.PRJ", "E.PRJ"}) {
    p.push_back(MakeProject(name));
  }
  OpenInTurn(p);
  EXPECT_THAT(recent.Entries(), ElementsAre(p[4], p[3], p[2], p[1]));
  EXPECT_EQ(ListText(), p[4] + "\r\n" + p[3] + "\r\n" + p[2] + "\r\n" + p[1] + "\r\n");
  EXPECT_EQ(shell.Caption(), "Calvora - [E.PRJ]");
}

TEST_F(RecentList, ReopeningMovesTheEntryUpAndKeepsTheOthers) {
  const std::vector<std::string> p = {MakeProject("A.PRJ"), MakeProject("B.PRJ"),
                                      MakeProject("C.PRJ"), MakeProject("D.PRJ")};
  OpenInTurn(p);  // D C B A
  const std::string before = ListText();
  commands.OpenRecent(0);
  EXPECT_EQ(ListText(), before);
  commands.OpenRecent(2);
  EXPECT_THAT(recent.Entries(), ElementsAre(p[1], p[3], p[2], p[0]));
  EXPECT_EQ(ListText(), p[1] + "\r\n" + p[3] + "\r\n" + p[2] + "\r\n" + p[0] + "\r\n");
  EXPECT_EQ(shell.Caption(), "Calvora - [B.PRJ]");
}

TEST_F(RecentList, ReadsFourTrimmedLinesUpToTheFirstBlank) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"/a.PRJ\r\n \r\n/b.PRJ\r\n", {"/a.PRJ"}},
      {"  /a.PRJ \r\n/b.PRJ\r\n/c.PRJ\r\n/d.PRJ\r\n/e.PRJ\r\n",
       {"/a.PRJ", "/b.PRJ", "/c.PRJ", "/d.PRJ"}},
  };
  for (const auto& [text, entries] : cases) {
    WriteBytes(folder / "projects.lst", {text.begin(), text.end()});
    recent.Load();
    EXPECT_EQ(recent.Entries(), entries) << text;
  }
}

TEST_F(RecentList, MissingListStartsEmptyAndIsCreatedAtTheFirstUpdate) {
  recent.Load();
  EXPECT_TRUE(recent.Entries().empty());
  recent.Update("/x/ROAD.PRJ", dialogs);
  EXPECT_EQ(ListText(), "/x/ROAD.PRJ\r\n");
}

TEST_F(RecentList, PathDifferingOnlyInCaseIsAnotherProject) {
  recent.Update("/x/ROAD.PRJ", dialogs);
  recent.Update("/x/road.PRJ", dialogs);
  EXPECT_THAT(recent.Entries(), ElementsAre("/x/road.PRJ", "/x/ROAD.PRJ"));
}

TEST_F(RecentList, EntryWhoseFileIsGoneSaysSoAndLeavesTheList) {
  const std::vector<std::string> p = {MakeProject("A.PRJ"), MakeProject("B.PRJ")};
  OpenInTurn(p);
  std::filesystem::remove(p[0]);
  const std::string before = ListText();
  dialogs.ExpectMessage("File Not found.");
  commands.OpenRecent(1);
  EXPECT_THAT(recent.Entries(), ElementsAre(p[1], p[0]));
  EXPECT_EQ(ListText(), before);
  EXPECT_EQ(shell.Caption(), "Calvora - [B.PRJ]");
}

TEST(RecentListFolder, UnwritableProgramFolderMovesTheListToTheConfigFolderAndSaysSo) {
  TempFolder folder;
  WriteBytes(folder / "program", {'x'});  // a file where the folder should be: nothing goes in
  RecentProjects recent(folder / "program", folder / "config");
  ScriptedDialogs dialogs;
  dialogs.ExpectAnyMessage();
  recent.Update("/x/A.PRJ", dialogs);
  EXPECT_EQ(ReadText(folder / "config" / "projects.lst"), "/x/A.PRJ\r\n");
  EXPECT_EQ(recent.ListPath(), folder / "config" / "projects.lst");
  ASSERT_EQ(dialogs.Log().size(), 1u);
  EXPECT_THAT(dialogs.Log()[0], ::testing::HasSubstr("config"));

  recent.Update("/x/B.PRJ", dialogs);  // told once; later saves go to the new place quietly
  RecentProjects next(folder / "program", folder / "config");
  next.Load();
  EXPECT_THAT(next.Entries(), ElementsAre("/x/B.PRJ", "/x/A.PRJ"));
}

TEST(RecentListFolder, ListThatCannotBeSavedAnywhereIsTold) {
  TempFolder folder;
  WriteBytes(folder / "file", {'x'});
  RecentProjects recent(folder / "file", folder / "file" / "config");
  ScriptedDialogs dialogs;
  dialogs.ExpectAnyMessage();
  recent.Update("/x/A.PRJ", dialogs);
  EXPECT_THAT(recent.Entries(), ElementsAre("/x/A.PRJ"));
  ASSERT_EQ(dialogs.Log().size(), 1u);
  EXPECT_THAT(dialogs.Log()[0], ::testing::HasSubstr("could not be saved"));
}

}  // namespace
}  // namespace calvora
