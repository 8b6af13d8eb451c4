// frmAbout: its controls, the version of the build, the system information, OK.

#include "shell/gui/about_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "gui/qt_printing.h"
#include "support/recording_dialogs.h"

namespace calvora {
namespace {

using testing::RecordingDialogs;

TEST(AboutDialog, ShowsTheBuildsVersionAndTheSystemAndOkCloses) {
  RecordingDialogs dialogs;
  AboutDialog about(dialogs, nullptr);
  EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
  for (const char* name :
       {"picIcon", "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
    EXPECT_NE(about.findChild<QLabel*>(QString::fromLatin1(name)), nullptr) << name;
  }
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
            QStringLiteral("Version " CALVORA_VERSION));
  about.show();
  about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].find(std::string("Qt: ") + qVersion()), std::string::npos)
      << dialogs.shown[0];
  EXPECT_NE(dialogs.shown[0].find("Screen 1: "), std::string::npos);
  about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), int(QDialog::Accepted));
}

}  // namespace
}  // namespace calvora
