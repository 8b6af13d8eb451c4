#include "app/batch_dialogs.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_folder.h"

namespace calvora {
namespace {

TEST(BatchDialogs, AnswersByIdComeBeforeYesWhateverTheText) {
  std::ostringstream err;
  BatchDialogs dialogs(err);
  dialogs.AnswerYes(true);
  dialogs.AnswerYesNo(QuestionId::CancelDesign, false);
  EXPECT_FALSE(dialogs.YesNo(QuestionId::CancelDesign, "Continue ?"));
  EXPECT_TRUE(dialogs.YesNo(QuestionId::ChangeFile, "Cancel the design process?"));
}

TEST(BatchDialogs, InputBoxesAreAnsweredByTheirRules) {
  std::ostringstream err;
  BatchDialogs dialogs(err);
  dialogs.AnswerInput(QuestionId::StationInterval, AnswersInTurn({"10", "25"}), "--interval");
  dialogs.AnswerInput(QuestionId::DesignSpeed, AnswersThenDefault({"80"}), "--speed");
  const Question interval{QuestionId::StationInterval};
  EXPECT_EQ(dialogs.InputBox(interval, "Distance ?", "T", "20"), "10");
  EXPECT_EQ(dialogs.InputBox(interval, "Distance ?", "T", "20"), "25");
  try {
    dialogs.InputBox(interval, "Distance ?", "T", "20");
    FAIL() << "a third answer out of two";
  } catch (const UnansweredQuestion& question) {
    EXPECT_EQ(std::string(question.what()),
              "The question \"Distance ?\" needs an answer: use --interval.");
  }
  const Question speed{QuestionId::DesignSpeed};
  EXPECT_EQ(dialogs.InputBox(speed, "Speed (km/h)", "T", "60"), "80");
  EXPECT_EQ(dialogs.InputBox(speed, "Speed (km/h)", "T", "60"), "60");
  // A prompt that reads like an answered one does not make its question answered.
  EXPECT_THROW(dialogs.InputBox({QuestionId::WideningDistance}, "Design speed", "T", ""),
               UnansweredQuestion);
}

TEST(BatchDialogs, FileNamesComeFromOptionsOrTheProposal) {
  testing::TempFolder folder;
  std::ostringstream err;
  BatchDialogs dialogs(err);
  FileDialogRequest request;
  request.title = "Output file";
  request.confirmOverwrite = true;
  request.proposedName = (folder / "R1.VOL").string();
  EXPECT_EQ(dialogs.SaveFileName(request), request.proposedName);
  dialogs.AnswerSaveFile((folder / "OTHER.VOL").string());
  EXPECT_EQ(dialogs.SaveFileName(request), (folder / "OTHER.VOL").string());
  EXPECT_EQ(dialogs.SaveFileName(request), request.proposedName);  // the answer served once

  testing::WriteBytes(folder / "R1.VOL", {1});
  EXPECT_THROW(dialogs.SaveFileName(request), UnansweredQuestion);
  dialogs.AnswerYes(true);
  EXPECT_EQ(dialogs.SaveFileName(request), request.proposedName);

  request.proposedName.clear();
  EXPECT_THROW(dialogs.SaveFileName(request), UnansweredQuestion);
  EXPECT_THROW(dialogs.OpenFileName(request), UnansweredQuestion);
  dialogs.AnswerOpenFile("/x/R.PRJ");
  EXPECT_EQ(dialogs.OpenFileName(request), "/x/R.PRJ");
}

TEST(BatchProgress, ReportsOnlyToATerminal) {
  std::ostringstream quiet;
  BatchProgress silent(quiet, false, "Volumes");
  silent.Start(3);
  EXPECT_FALSE(silent.Step(1));
  silent.Finish();
  EXPECT_EQ(quiet.str(), "");
}

// Messages and errors go to stderr, each on a line of its own, and the count goes on below.
TEST(BatchProgress, AMessageStartsOnALineOfItsOwnAndTheCountGoesOnBelow) {
  std::ostringstream err;
  BatchDialogs dialogs(err);
  BatchProgress progress(err, true, "Sections");
  progress.Start(3);
  EXPECT_FALSE(progress.Step(1));
  dialogs.Message("Data error in KM:  0+20\r(Section No.  2)");
  EXPECT_FALSE(dialogs.ErrorShown());
  progress.Step(2);
  EXPECT_FALSE(dialogs.RetryCancel("Disk full"));  // Cancel: never loops
  EXPECT_TRUE(dialogs.ErrorShown());
  progress.Finish();
  EXPECT_EQ(err.str(),
            "Sections: 0 of 3\rSections: 1 of 3\nData error in KM:  0+20\n(Section No.  2)\n"
            "Sections: 2 of 3\nerror: Disk full\n");
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{"Data error in KM:  0+20\r(Section No.  2)", "Disk full"}));
}

TEST(TerminalText, CarriageReturnsEndLinesAndTheStationStandsApart) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"one\rtwo", "one\ntwo"},
      {"one\r\ntwo\r", "one\ntwo"},
      {"This process will change the Data file contents.\rContinue ?\r",
       "This process will change the Data file contents.\nContinue ?"},
      {"Bad Variant number at station :  0+80Section No. =( 5)",
       "Bad Variant number at station :  0+80  Section No. =( 5)"},
      {"Section No. =( 5)", "Section No. =( 5)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TerminalText(c.text), c.shown);
  }
}

}  // namespace
}  // namespace calvora
