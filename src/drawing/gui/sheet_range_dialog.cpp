#include "drawing/gui/sheet_range_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace calvora {

namespace {

QRadioButton* Option(const char* name, const QString& text, QWidget* parent) {
  auto* option = new QRadioButton(text, parent);
  option->setObjectName(QString::fromLatin1(name));
  return option;
}

QLineEdit* PageField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(5);
  field->setMaximumWidth(70);
  return field;
}

}  // namespace

SheetRangeDialog::SheetRangeDialog(SheetRangeModel::Purpose purpose, QWidget* parent)
    : QDialog(parent), model_(purpose) {
  setObjectName(QStringLiteral("frmPrintDXF"));
  setWindowTitle(QString::fromStdString(model_.Caption()));
  all_ = Option("optAll", tr("&All"), this);
  current_ = Option("optCurrent", tr("&Current page only"), this);
  pages_ = Option("optPages", tr("&Pages :  From"), this);
  from_ = PageField("txtFrom", this);
  to_ = PageField("txtTo", this);
  pages_->setAccessibleName(tr("Pages from"));
  auto* toLabel = new QLabel(tr("&To"), this);
  toLabel->setBuddy(to_);
  from_->setAccessibleName(tr("From page"));
  textDxf_ = new QCheckBox(tr("&Text DXF (for programs that read no binary DXF)"), this);
  textDxf_->setObjectName(QStringLiteral("chkTextDXF"));
  textDxf_->setVisible(model_.OffersTextDxf());

  auto* range = new QGridLayout;
  range->addWidget(all_, 0, 0, 1, 4);
  range->addWidget(current_, 1, 0, 1, 4);
  range->addWidget(pages_, 2, 0);
  range->addWidget(from_, 2, 1);
  range->addWidget(toLabel, 2, 2);
  range->addWidget(to_, 2, 3);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(range);
  layout->addWidget(textDxf_);
  layout->addWidget(buttons);

  for (QRadioButton* option : {all_, current_, pages_}) {
    connect(option, &QRadioButton::toggled, this, [this] { ShowChoice(); });
  }
  all_->setChecked(true);
  ShowChoice();
}

void SheetRangeDialog::ShowChoice() {
  model_.choice.Option = pages_->isChecked()     ? SheetRangeOption::Pages
                         : current_->isChecked() ? SheetRangeOption::CurrentPage
                                                 : SheetRangeOption::All;
  from_->setEnabled(model_.PageFieldsEnabled());
  to_->setEnabled(model_.PageFieldsEnabled());
}

const SheetRangeModel& SheetRangeDialog::Model() {
  ShowChoice();
  model_.choice.From = from_->text().toStdString();
  model_.choice.To = to_->text().toStdString();
  model_.textDxf = textDxf_->isChecked();
  return model_;
}

}  // namespace calvora
