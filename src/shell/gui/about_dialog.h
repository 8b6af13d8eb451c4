#pragma once
// frmAbout: the application's title, version and description, and the system's information.

#include <QDialog>

#include "project/user_dialogs.h"
#include "shell/about_model.h"

namespace calvora {

// What Qt knows of the system: operating system, kernel, Qt version, screens.
SystemFacts CollectSystemFacts();

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(UserDialogs& dialogs, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  UserDialogs& dialogs_;
};

}  // namespace calvora
