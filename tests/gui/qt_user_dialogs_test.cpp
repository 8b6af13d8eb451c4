// Qt's answers to the core's questions: filters, input boxes, message boxes.

#include "shell/gui/qt_user_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "gui/qt_printing.h"
#include "project/project_commands.h"
#include "support/temp_folder.h"

namespace calvora {

namespace {

// Acts on the modal dialog of the given type once it shows.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      WhenShown<Dialog>(act);
      return;
    }
    act(*dialog);
  });
}

TEST(QtUserDialogs, FiltersMatchBothCases) {
  EXPECT_EQ(QtNameFilters("Project Files (*.PRJ)|*.PRJ"),
            QStringList({"Project Files (*.PRJ *.prj)"}));
  EXPECT_EQ(QtNameFilters("Text (*.txt;*.Lst)|*.txt;*.Lst|All|*.*"),
            QStringList({"Text (*.txt *.TXT *.Lst *.lst *.LST)", "All (*.*)"}));
  EXPECT_TRUE(QtNameFilters("").isEmpty());
}

TEST(QtUserDialogs, FileDialogsShowTitleAndFilterAndGiveThePath) {
  testing::TempFolder folder;
  QWidget parent;
  QtUserDialogs dialogs(&parent);
  WhenShown<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Project File"));
    EXPECT_EQ(dialog.nameFilters(), QStringList({"Project Files (*.PRJ *.prj)"}));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    dialog.setDirectory(QString::fromStdString(folder.Path().string()));
    dialog.selectFile(QStringLiteral("ROAD"));
    static_cast<QDialog&>(dialog).accept();  // as the dialog's own button does
  });
  EXPECT_EQ(dialogs.SaveFileName(NewProjectRequest()), (folder / "ROAD.PRJ").string());

  WhenShown<QFileDialog>([](QFileDialog& dialog) {
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    dialog.reject();
  });
  EXPECT_EQ(dialogs.OpenFileName(OpenProjectRequest()), std::string());
}

TEST(QtUserDialogs, InputBoxShowsPromptTitleAndDefaultAndCancelGivesEmptyText) {
  QWidget parent;
  QtUserDialogs dialogs(&parent);
  QString prompt;
  QString title;
  WhenShown<QInputDialog>([&](QInputDialog& box) {
    prompt = box.labelText();
    title = box.windowTitle();
    EXPECT_EQ(box.textValue(), QStringLiteral("100"));
    box.setTextValue(QStringLiteral("250"));
    box.accept();
  });
  EXPECT_EQ(dialogs.InputBox({QuestionId::StationInterval}, "Interval\r\nin metres",
                             "Plan coordinates", "100"),
            std::string("250"));
  EXPECT_EQ(prompt, QStringLiteral("Interval\nin metres"));
  EXPECT_EQ(title, QStringLiteral("Plan coordinates"));
  WhenShown<QInputDialog>([](QInputDialog& box) { box.reject(); });
  EXPECT_EQ(dialogs.InputBox({QuestionId::DesignSpeed}, "Speed", "Design", "60"), std::string());
}

TEST(QtUserDialogs, MessageBoxesAnswerWithTheirButtons) {
  QWidget parent;
  QtUserDialogs dialogs(&parent);
  QString text;
  WhenShown<QMessageBox>([&](QMessageBox& box) {
    text = box.text();
    box.button(QMessageBox::Yes)->click();
  });
  EXPECT_TRUE(dialogs.YesNo(QuestionId::CreateMissingFile, "Data file not found.Create New ?"));
  EXPECT_EQ(text, QStringLiteral("Data file not found.Create New ?"));

  WhenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
  EXPECT_FALSE(dialogs.YesNo(QuestionId::ChangeFile, "Replace ?"));
  WhenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Retry)->click(); });
  EXPECT_TRUE(dialogs.RetryCancel("No space left on device"));
  WhenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
  EXPECT_FALSE(dialogs.RetryCancel("No space left on device"));
  WhenShown<QMessageBox>([&](QMessageBox& box) {
    EXPECT_TRUE(box.button(QMessageBox::Ok) != nullptr);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Calvora"));
    box.button(QMessageBox::Ok)->click();
  });
  dialogs.Message("File Not found.");
}

}  // namespace
}  // namespace calvora
