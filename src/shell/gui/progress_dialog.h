#pragma once
// frmProgress: how far a long pass has come, with "Cancel" to stop it at its next step.

#include <QDialog>

#include "project/progress.h"
#include "shell/progress_model.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace calvora {

class ProgressDialog : public QDialog, public Progress {
  Q_OBJECT

 public:
  explicit ProgressDialog(QWidget* parent);

  void Start(int maximum) override;
  bool Step(int value) override;
  void Finish() override;

  // A text above the bar (empty at start).
  void SetText(const QString& text);
  const ProgressModel& Model() const { return model_; }

 protected:
  // Escape and the window's close button ask to stop, as "Cancel" does.
  void reject() override;

 private:
  ProgressModel model_;
  QProgressBar* bar_;
  QLabel* label_;
  QPushButton* cancel_;
};

}  // namespace calvora
