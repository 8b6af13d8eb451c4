#include "shell/gui/find_section_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace calvora {

namespace {

QLineEdit* Box(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaximumWidth(90);
  return box;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

FindSectionDialog::FindSectionDialog(FindSectionModel& model, ProjectState& state,
                                     UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), model_(model), state_(state), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmFindSec"));
  setWindowTitle(model.Ranged() ? tr("Assign to Sections") : tr("Find Section"));
  byNumber_ = new QRadioButton(tr("Section &number"), this);
  byNumber_->setObjectName(QStringLiteral("optFind(0)"));
  byStation_ = new QRadioButton(tr("Section &station"), this);
  byStation_->setObjectName(QStringLiteral("optFind(1)"));
  txtFromSec_ = Box("txtFromSec", this);
  txtFromStaKm_ = Box("txtFromStaKm", this);
  txtFromStaMet_ = Box("txtFromStaMet", this);
  txtToSec_ = Box("txtToSec", this);
  txtToStaKm_ = Box("txtToStaKm", this);
  txtToStamet_ = Box("txtToStamet", this);

  auto* grid = new QGridLayout;
  grid->addWidget(byNumber_, 0, 0, 1, 4);
  grid->addWidget(Label(tr("&From:"), txtFromSec_, this), 1, 0);
  grid->addWidget(txtFromSec_, 1, 1);
  QLabel* toSec = Label(tr("To:"), txtToSec_, this);
  grid->addWidget(toSec, 1, 2);
  grid->addWidget(txtToSec_, 1, 3);
  grid->addWidget(byStation_, 2, 0, 1, 4);
  grid->addWidget(Label(tr("F&rom:"), txtFromStaKm_, this), 3, 0);
  grid->addWidget(txtFromStaKm_, 3, 1);
  grid->addWidget(Label(QStringLiteral("+"), txtFromStaMet_, this), 3, 2, Qt::AlignCenter);
  grid->addWidget(txtFromStaMet_, 3, 3);
  QLabel* toSta = Label(tr("To:"), txtToStaKm_, this);
  grid->addWidget(toSta, 4, 0);
  grid->addWidget(txtToStaKm_, 4, 1);
  grid->addWidget(txtToStamet_, 4, 3);
  for (QWidget* to : {static_cast<QWidget*>(toSec), static_cast<QWidget*>(toSta),
                      static_cast<QWidget*>(txtToSec_), static_cast<QWidget*>(txtToStaKm_),
                      static_cast<QWidget*>(txtToStamet_)}) {
    to->setVisible(model.Ranged());
  }
  toSec->setText(tr("T&o:"));
  toSta->setText(tr("&To:"));

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(ok, &QPushButton::clicked, this, &FindSectionDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &FindSectionDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(byNumber_, &QRadioButton::toggled, this, [this](bool on) {
    model_.Choose(on ? FindSectionModel::kByNumber : FindSectionModel::kByStation);
    ShowOption();
  });
  txtFromSec_->setText(QString::fromStdString(model_.txtFromSec));
  txtFromStaKm_->setText(QString::fromStdString(model_.txtFromStaKm));
  txtFromStaMet_->setText(QString::fromStdString(model_.txtFromStaMet));
  txtToSec_->setText(QString::fromStdString(model_.txtToSec));
  txtToStaKm_->setText(QString::fromStdString(model_.txtToStaKm));
  txtToStamet_->setText(QString::fromStdString(model_.txtToStaMet));
  model_.Activate();
  byNumber_->setChecked(true);
  ShowOption();
}

void FindSectionDialog::ShowOption() {
  byStation_->setChecked(model_.StationEnabled());
  txtFromSec_->setEnabled(model_.NumberEnabled());
  txtToSec_->setEnabled(model_.NumberEnabled());
  for (QLineEdit* box : {txtFromStaKm_, txtFromStaMet_, txtToStaKm_, txtToStamet_}) {
    box->setEnabled(model_.StationEnabled());
  }
}

void FindSectionDialog::Ok() {
  model_.txtFromSec = txtFromSec_->text().toStdString();
  model_.txtFromStaKm = txtFromStaKm_->text().toStdString();
  model_.txtFromStaMet = txtFromStaMet_->text().toStdString();
  model_.txtToSec = txtToSec_->text().toStdString();
  model_.txtToStaKm = txtToStaKm_->text().toStdString();
  model_.txtToStaMet = txtToStamet_->text().toStdString();
  model_.Ok(state_, dialogs_);
  QDialog::accept();
}

void FindSectionDialog::reject() {
  model_.Cancel();
  QDialog::reject();
}

}  // namespace calvora
