// frmAbout: caption, version from the build, and the system information.

#include "shell/gui/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "gui/recording_dialogs.h"

namespace calvora {

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTitleAndTheBuildsVersion() {
    testing::RecordingDialogs dialogs;
    AboutDialog about(dialogs, nullptr);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Calvora"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
             QStringLiteral("Calvora"));
    const QString version = about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                .match(version)
                .hasMatch());
    QCOMPARE(version, QStringLiteral("Version %1.%2.%3")
                          .arg(CALVORA_VERSION_MAJOR)
                          .arg(CALVORA_VERSION_MINOR)
                          .arg(CALVORA_VERSION_PATCH));
    QCOMPARE(QStringLiteral(CALVORA_VERSION), version.mid(8));
    for (const char* name : {"picIcon", "lblDescription", "lblDisclaimer"}) {
      QVERIFY2(about.findChild<QLabel*>(QString::fromLatin1(name)) != nullptr, name);
    }
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text().isEmpty());
  }

  void SystemInfoTellsTheSystemAndQt() {
    testing::RecordingDialogs dialogs;
    AboutDialog about(dialogs, nullptr);
    auto* sysInfo = about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
    sysInfo->click();
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    const QString shown = QString::fromStdString(dialogs.shown[0]);
    QVERIFY2(shown.contains(QStringLiteral("Qt: ") + QLatin1String(qVersion())), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("Screen 1: ")));
  }

  void OkCloses() {
    testing::RecordingDialogs dialogs;
    AboutDialog about(dialogs, nullptr);
    about.show();
    about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }
};

}  // namespace calvora

CALVORA_GUI_TEST_MAIN(calvora::AboutDialogTest)
#include "about_dialog_test.moc"
