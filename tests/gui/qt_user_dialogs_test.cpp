// Qt's answers to the core's questions: filters, input boxes, message boxes.

#include "shell/gui/qt_user_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "gui/recording_dialogs.h"
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

}  // namespace

class QtUserDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void FiltersMatchBothCases() {
    QCOMPARE(QtNameFilters("Project Files (*.PRJ)|*.PRJ"),
             QStringList({"Project Files (*.PRJ *.prj)"}));
    QCOMPARE(QtNameFilters("Text (*.txt;*.Lst)|*.txt;*.Lst|All|*.*"),
             QStringList({"Text (*.txt *.TXT *.Lst *.lst *.LST)", "All (*.*)"}));
    QVERIFY(QtNameFilters("").isEmpty());
  }

  void FileDialogsShowTitleAndFilterAndGiveThePath() {
    testing::TempFolder folder;
    QWidget parent;
    QtUserDialogs dialogs(&parent);
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Project File"));
      QCOMPARE(dialog.nameFilters(), QStringList({"Project Files (*.PRJ *.prj)"}));
      QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
      QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
      dialog.setDirectory(QString::fromStdString(folder.Path().string()));
      dialog.selectFile(QStringLiteral("ROAD"));
      static_cast<QDialog&>(dialog).accept();  // as the dialog's own button does
    });
    QCOMPARE(dialogs.SaveFileName(NewProjectRequest()), (folder / "ROAD.PRJ").string());

    WhenShown<QFileDialog>([](QFileDialog& dialog) {
      QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
      QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
      dialog.reject();
    });
    QCOMPARE(dialogs.OpenFileName(OpenProjectRequest()), std::string());
  }

  void InputBoxShowsPromptTitleAndDefault() {
    QWidget parent;
    QtUserDialogs dialogs(&parent);
    QString prompt;
    QString title;
    WhenShown<QInputDialog>([&](QInputDialog& box) {
      prompt = box.labelText();
      title = box.windowTitle();
      QCOMPARE(box.textValue(), QStringLiteral("100"));
      box.setTextValue(QStringLiteral("250"));
      box.accept();
    });
    QCOMPARE(dialogs.InputBox("Interval\r\nin metres", "Plan coordinates", "100"),
             std::string("250"));
    QCOMPARE(prompt, QStringLiteral("Interval\nin metres"));
    QCOMPARE(title, QStringLiteral("Plan coordinates"));
  }

  void CancelledInputBoxGivesEmptyText() {
    QWidget parent;
    QtUserDialogs dialogs(&parent);
    WhenShown<QInputDialog>([](QInputDialog& box) { box.reject(); });
    QCOMPARE(dialogs.InputBox("Speed", "Design", "60"), std::string());
  }

  void MessageBoxesAnswerWithTheirButtons() {
    QWidget parent;
    QtUserDialogs dialogs(&parent);
    QString text;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
      text = box.text();
      box.button(QMessageBox::Yes)->click();
    });
    QVERIFY(dialogs.YesNo("Data file not found.Create New ?"));
    QCOMPARE(text, QStringLiteral("Data file not found.Create New ?"));

    WhenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    QVERIFY(!dialogs.YesNo("Replace ?"));
    WhenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Retry)->click(); });
    QVERIFY(dialogs.RetryCancel("No space left on device"));
    WhenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    QVERIFY(!dialogs.RetryCancel("No space left on device"));
    WhenShown<QMessageBox>([&](QMessageBox& box) {
      QVERIFY(box.button(QMessageBox::Ok) != nullptr);
      QCOMPARE(box.windowTitle(), QStringLiteral("Calvora"));
      box.button(QMessageBox::Ok)->click();
    });
    dialogs.Message("File Not found.");
  }
};

}  // namespace calvora

CALVORA_GUI_TEST_MAIN(calvora::QtUserDialogsTest)
#include "qt_user_dialogs_test.moc"
