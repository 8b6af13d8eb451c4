#include "shell/gui/alignment_editor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace calvora {

AlignmentEditor::AlignmentEditor(ProjectState& state, UserDialogs& dialogs, QWidget* parent)
    : RecordEditorWindow(model_, state, dialogs, parent), model_(state, dialogs) {
  setObjectName(QStringLiteral("frmCRV"));
  setWindowTitle(tr("Alignment"));

  fraMain_ = new QGroupBox(this);
  fraMain_->setObjectName(QStringLiteral("fraMain"));
  const auto box = [this](AlignmentField field, const char* name) {
    auto* edit = new QLineEdit(fraMain_);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(110);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
      model_.Type(field, text.toStdString());
      ShowModel();
    });
    fields_[field] = edit;
    return edit;
  };
  QLineEdit* kilo = box(AlignmentField::Kilo, "txtKilo");
  QLineEdit* meter = box(AlignmentField::Meter, "txtMeter");
  stationLabels_ = {new QLabel(tr("&KM:"), fraMain_), new QLabel(QStringLiteral("+"), fraMain_)};
  stationLabels_[0]->setBuddy(kilo);
  stationLabels_[1]->setBuddy(meter);

  cmbCode_ = new QComboBox(fraMain_);
  cmbCode_->setObjectName(QStringLiteral("cmbCode"));
  for (const std::string& item : AlignmentEditorModel::CodeItems()) {
    cmbCode_->addItem(QString::fromStdString(item));
  }
  connect(cmbCode_, &QComboBox::activated, this, [this](int position) {
    model_.ChooseCode(position);
    ShowModel();
  });
  auto* codeLabel = new QLabel(tr("Point &Type:"), fraMain_);
  codeLabel->setBuddy(cmbCode_);

  auto* grid = new QGridLayout(fraMain_);
  grid->addWidget(stationLabels_[0], 0, 0);
  grid->addWidget(kilo, 0, 1);
  grid->addWidget(stationLabels_[1], 0, 2);
  grid->addWidget(meter, 0, 3);
  grid->addWidget(codeLabel, 1, 0);
  grid->addWidget(cmbCode_, 1, 1, 1, 3);
  for (int i = 0; i < AlignmentEditorModel::kParams; ++i) {
    QLineEdit* param =
        box(AlignmentEditorModel::kParamFields[std::size_t(i)], i == 0   ? "txtParam1"
                                                                : i == 1 ? "txtParam2"
                                                                         : "txtParam3");
    QLabel*& label = paramLabels_[std::size_t(i)];
    label = new QLabel(fraMain_);
    label->setObjectName(QStringLiteral("lblParam%1").arg(i + 1));
    label->setBuddy(param);
    grid->addWidget(label, i + 2, 0);
    grid->addWidget(param, i + 2, 1);
  }
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(AlignmentEditorModel::kParams + 2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 4);
  layout->addWidget(toolBar_);
  layout->addWidget(fraMain_, 1);
}

void AlignmentEditor::ShowModel() {
  fraMain_->setTitle(QString::fromStdString(model_.PositionText()));
  for (const auto& [field, edit] : fields_) {
    ShowText(edit, model_.Text(field));
  }
  cmbCode_->setCurrentIndex(model_.CodePosition().value_or(-1));
  const bool station = model_.StationVisible();
  fields_[AlignmentField::Kilo]->setVisible(station);
  fields_[AlignmentField::Meter]->setVisible(station);
  for (QLabel* label : stationLabels_) {
    label->setVisible(station);
  }
  for (int i = 0; i < AlignmentEditorModel::kParams; ++i) {
    paramLabels_[std::size_t(i)]->setText(QString::fromStdString(model_.ParamLabel(i)));
    paramLabels_[std::size_t(i)]->setVisible(model_.ParamVisible(i));
    fields_[AlignmentEditorModel::kParamFields[std::size_t(i)]]->setVisible(model_.ParamVisible(i));
  }
}

}  // namespace calvora
