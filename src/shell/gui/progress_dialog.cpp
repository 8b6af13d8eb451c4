#include "shell/gui/progress_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/gui/centre_on_screen.h"

namespace calvora {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent),
      bar_(new QProgressBar(this)),
      label_(new QLabel(this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
  setObjectName(QStringLiteral("frmProgress"));
  setWindowTitle(tr("Progress"));
  // Shown without blocking the pass, yet the rest of the program waits: a command started while
  // a pass runs would work on the project under its feet.
  setWindowModality(Qt::ApplicationModal);
  bar_->setObjectName(QStringLiteral("Progress"));
  label_->setObjectName(QStringLiteral("lblProgress"));
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  bar_->setMinimumWidth(360);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(cancel_, &QPushButton::clicked, this, [this] { model_.Cancel(); });
}

void ProgressDialog::Start(int maximum) {
  model_.Start(maximum);
  bar_->setRange(0, model_.Maximum());
  bar_->setValue(0);
  adjustSize();
  show();
  CentreOnScreen(*this);
  QCoreApplication::processEvents();
}

bool ProgressDialog::Step(int value) {
  model_.Step(value);
  bar_->setValue(model_.Value());
  QCoreApplication::processEvents();
  return model_.CancelRequested();
}

void ProgressDialog::Finish() {
  model_.Finish();
  hide();
}

void ProgressDialog::SetText(const QString& text) {
  label_->setText(text);
}

void ProgressDialog::reject() {
  model_.Cancel();
}

}  // namespace calvora
