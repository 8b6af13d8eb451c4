#include "shell/gui/project_properties_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "shell/gui/centre_on_screen.h"

namespace calvora {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString Indexed(const char* name, std::size_t index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QGroupBox* Frame(const char* name, const QString& title, QWidget* parent) {
  return Named(new QGroupBox(title, parent), QString::fromLatin1(name));
}

QLineEdit* NumberBox(const QString& name, QWidget* parent) {
  auto* box = Named(new QLineEdit(parent), name);
  box->setMaximumWidth(110);
  return box;
}

}  // namespace

ProjectPropertiesDialog::ProjectPropertiesDialog(ProjectState& state, UserDialogs& dialogs,
                                                 QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmProjProp"));
  setWindowTitle(tr("Project Properties"));

  tabs_ = Named(new QTabBar(this), QStringLiteral("tabProjProp"));
  tabs_->setExpanding(false);
  frames_ = new QStackedWidget(this);
  const auto& tabs = ProjectPropertiesModel::Tabs();
  QWidget* frames[] = {MakeFilesFrame(), MakeTitlesFrame(), MakeCrossFrame(),
                       MakePrintFrame(), MakeLayersFrame(), MakeCalcFrame()};
  for (int i = 0; i < ProjectPropertiesModel::kTabCount; ++i) {
    tabs_->addTab(QString::fromLatin1(tabs[i].caption));
    tabs_->setTabToolTip(i, QString::fromLatin1(tabs[i].toolTip));
    frames_->addWidget(frames[i]);
  }
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    model_.SelectTab(index);
    frames_->setCurrentIndex(model_.CurrentTab());
  });

  auto* ok = Named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"));
  auto* cancel = Named(new QPushButton(tr("Cancel"), this), QStringLiteral("cmdCancel"));
  auto* help = Named(new QPushButton(tr("Help"), this), QStringLiteral("cmdHelp"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &ProjectPropertiesDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(frames_, 1);
  layout->addLayout(buttons);

  model_.Load(state_.Project);
  ShowModel();
}

void ProjectPropertiesDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
}

QLineEdit* ProjectPropertiesDialog::FileRow(QGridLayout* grid, int row, const char* label,
                                            const char* text, const char* button, const char* title,
                                            const char* filter) {
  auto* box = Named(new QLineEdit(grid->parentWidget()), QString::fromLatin1(text));
  box->setMinimumWidth(380);
  auto* pick = Named(new QPushButton(QStringLiteral("..."), grid->parentWidget()),
                     QString::fromLatin1(button));
  pick->setFixedWidth(pick->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
  grid->addWidget(new QLabel(tr(label), grid->parentWidget()), row * 2, 0, 1, 2);
  grid->addWidget(box, row * 2 + 1, 0);
  grid->addWidget(pick, row * 2 + 1, 1);
  connect(pick, &QPushButton::clicked, this, [this, box, title, filter] {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    const std::string chosen = dialogs_.OpenFileName(request);
    if (!chosen.empty()) {
      box->setText(Text(chosen));
    }
  });
  return box;
}

QWidget* ProjectPropertiesDialog::MakeFilesFrame() {
  auto* frame = Frame("fraFiles", tr("Project Files"), this);
  auto* grid = new QGridLayout(frame);
  txtDatFile_ = FileRow(grid, 0, "Data File:", "txtDatFile", "cmdDatFile", "Select Data File",
                        "Data Files (*.DAT)|*.DAT");
  txtVarFile_ = FileRow(grid, 1, "Typical cross sections file:", "txtVarFile", "cmdVarFile",
                        "Select Variant File", "Variant Files (*.VAR)|*.VAR");
  txtAlignFile_ = FileRow(grid, 2, "Alingment File:", "txtAlignFile", "cmdAlignFile",
                          "Select Alignment File", "Alignment Files (*.CRV)|*.CRV");
  grid->setRowStretch(6, 1);
  return frame;
}

QWidget* ProjectPropertiesDialog::MakeTitlesFrame() {
  auto* frame = Frame("fraTitles", tr("Titles"), this);
  auto* grid = new QGridLayout(frame);
  const std::array<std::pair<const char*, QLineEdit**>, 3> rows = {
      {{"Left Title:", &txtLeft_}, {"Center Title:", &txtCenter_}, {"Right Title:", &txtRight_}}};
  const char* names[] = {"txtLeft", "txtCenter", "txtRight"};
  for (int i = 0; i < 3; ++i) {
    *rows[i].second = Named(new QLineEdit(frame), QString::fromLatin1(names[i]));
    grid->addWidget(new QLabel(tr(rows[i].first), frame), i, 0);
    grid->addWidget(*rows[i].second, i, 1);
  }
  grid->setRowStretch(3, 1);
  return frame;
}

QWidget* ProjectPropertiesDialog::MakeCrossFrame() {
  auto* frame = Frame("fraCross", tr("Sections"), this);
  slider_ = Named(new QSlider(Qt::Horizontal, frame), QStringLiteral("Slider1"));
  slider_->setRange(ProjectPropertiesModel::kMinSectionsPerSheet,
                    ProjectPropertiesModel::kMaxSectionsPerSheet);
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setTickInterval(1);
  slider_->setPageStep(1);
  lblNumSec_ = Named(new QLabel(frame), QStringLiteral("lblNumSec"));
  lblNumSec_->setMinimumWidth(lblNumSec_->fontMetrics().horizontalAdvance(QStringLiteral("00")));
  connect(slider_, &QSlider::valueChanged, this, [this](int value) {
    model_.SetSectionsPerSheet(value);
    lblNumSec_->setText(Text(model_.NumSecText()));
  });
  chkBorder_ = Named(new QCheckBox(tr("Draw border"), frame), QStringLiteral("chkBorder"));
  chkDatum_ = Named(new QCheckBox(tr("Draw Datum"), frame), QStringLiteral("chkDatum"));

  auto* font = Frame("fraFont", tr("Font :"), frame);
  lblSample_ = Named(new QLabel(tr("Sample"), font), QStringLiteral("lblSample"));
  lblSample_->setMinimumHeight(48);
  auto* change = Named(new QPushButton(tr("Change Font"), font), QStringLiteral("cmdFont"));
  connect(change, &QPushButton::clicked, this, &ProjectPropertiesDialog::ChooseFont);
  auto* fontRow = new QHBoxLayout(font);
  fontRow->addWidget(lblSample_, 1);
  fontRow->addWidget(change);

  auto* count = new QHBoxLayout;
  count->addWidget(slider_, 1);
  count->addWidget(lblNumSec_);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(new QLabel(tr("Number of Cross Sections in each sheet:"), frame));
  layout->addLayout(count);
  layout->addWidget(chkBorder_);
  layout->addWidget(chkDatum_);
  layout->addWidget(font);
  layout->addStretch();
  return frame;
}

QWidget* ProjectPropertiesDialog::MakePrintFrame() {
  auto* frame = Frame("fraPrint", QString(), this);
  auto* margins = Frame("fraMargins", tr("Margins :"), frame);
  auto* marginGrid = new QGridLayout(margins);
  const char* marginLabels[] = {
      "Top Margin :", "Bottom Margin :", "Left Margin :", "Right Margin :"};
  for (std::size_t i = 0; i < txtMargin_.size(); ++i) {
    txtMargin_[i] = NumberBox(Indexed("txtMargin", i), margins);
    marginGrid->addWidget(new QLabel(tr(marginLabels[i]), margins), int(i), 0);
    marginGrid->addWidget(txtMargin_[i], int(i), 1);
  }
  marginGrid->addWidget(new QLabel(tr("(All Measures are in plotted meter)"), margins), 4, 0, 1, 2);
  marginGrid->setRowStretch(5, 1);

  auto* pens = Frame("fraPen", tr("Pen widths :"), frame);
  auto* penGrid = new QGridLayout(pens);
  const char* penLabels[] = {"Border  :", "Ground :", "Project :", "Decapaje :", "Layers :"};
  for (std::size_t i = 0; i < txtPen_.size(); ++i) {
    txtPen_[i] = NumberBox(Indexed("txtPen", i), pens);
    penGrid->addWidget(new QLabel(tr(penLabels[i]), pens), int(i), 0);
    penGrid->addWidget(txtPen_[i], int(i), 1);
  }
  penGrid->setRowStretch(5, 1);

  auto* layout = new QHBoxLayout(frame);
  layout->addWidget(margins);
  layout->addWidget(pens);
  return frame;
}

QWidget* ProjectPropertiesDialog::MakeLayersFrame() {
  auto* frame = Frame("fraLayers", QString(), this);
  auto* layers = Frame("fraComp", tr("Compaction layers :"), frame);
  auto* grid = new QGridLayout(layers);
  grid->addWidget(new QLabel(tr("Layer"), layers), 0, 0);
  grid->addWidget(new QLabel(tr("Compaction (%)"), layers), 0, 1);
  grid->addWidget(new QLabel(tr("Thickness (m)"), layers), 0, 2);
  for (std::size_t i = 0; i < txtComp_.size(); ++i) {
    const int row = int(i) + 1;
    grid->addWidget(new QLabel(QStringLiteral("%1 -").arg(row), layers), row, 0);
    txtComp_[i] = NumberBox(Indexed("txtComp", i), layers);
    txtThick_[i] = NumberBox(Indexed("txtThick", i), layers);
    grid->addWidget(txtComp_[i], row, 1);
    grid->addWidget(txtThick_[i], row, 2);
  }
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(6, 1);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(layers);
  return frame;
}

QWidget* ProjectPropertiesDialog::MakeCalcFrame() {
  auto* frame = Frame("fraCalc", QString(), this);
  txtNumLines_ = NumberBox(QStringLiteral("txtNumLines"), frame);
  auto* lines = new QHBoxLayout;
  lines->addWidget(new QLabel(tr("Number of lines of tables in each page:"), frame));
  lines->addWidget(txtNumLines_);
  lines->addStretch();

  auto* method = Frame("fraCalcMethod", tr("Calculation Method:"), frame);
  auto* methodLayout = new QVBoxLayout(method);
  const char* methods[] = {"Median Method", "Precise Method"};
  auto* methodGroup = new QButtonGroup(method);
  for (std::size_t i = 0; i < optCalcMethod_.size(); ++i) {
    optCalcMethod_[i] =
        Named(new QRadioButton(tr(methods[i]), method), Indexed("optCalcMethod", i));
    methodGroup->addButton(optCalcMethod_[i], int(i));
    methodLayout->addWidget(optCalcMethod_[i]);
  }

  auto* deca = Frame("fraDeca", tr("Decapaje Method"), frame);
  auto* decaLayout = new QGridLayout(deca);
  const char* decas[] = {"Decapaje only in fill", "Fixed Width Decapaje"};
  auto* decaGroup = new QButtonGroup(deca);
  for (std::size_t i = 0; i < optDeca_.size(); ++i) {
    optDeca_[i] = Named(new QRadioButton(tr(decas[i]), deca), Indexed("optDeca", i));
    decaGroup->addButton(optDeca_[i], int(i));
    decaLayout->addWidget(optDeca_[i], int(i), 0);
  }
  txtDecaThick_ = NumberBox(QStringLiteral("txtDecaThick"), deca);
  decaLayout->addWidget(txtDecaThick_, 1, 1);
  decaLayout->addWidget(new QLabel(tr("m"), deca), 1, 2);
  decaLayout->setColumnStretch(3, 1);
  connect(decaGroup, &QButtonGroup::idClicked, this, [this](int option) {
    model_.SelectDeca(option);
    txtDecaThick_->setEnabled(model_.DecaThickEnabled());
  });

  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(lines);
  layout->addWidget(method);
  layout->addWidget(deca);
  layout->addStretch();
  return frame;
}

void ProjectPropertiesDialog::ShowModel() {
  tabs_->setCurrentIndex(model_.CurrentTab());
  frames_->setCurrentIndex(model_.CurrentTab());
  txtDatFile_->setText(Text(model_.txtDatFile));
  txtVarFile_->setText(Text(model_.txtVarFile));
  txtAlignFile_->setText(Text(model_.txtAlignFile));
  txtLeft_->setText(Text(model_.txtLeft));
  txtCenter_->setText(Text(model_.txtCenter));
  txtRight_->setText(Text(model_.txtRight));
  slider_->setValue(model_.SectionsPerSheet());
  lblNumSec_->setText(Text(model_.NumSecText()));
  chkBorder_->setChecked(model_.chkBorder);
  chkDatum_->setChecked(model_.chkDatum);
  ShowSample();
  for (std::size_t i = 0; i < txtComp_.size(); ++i) {
    txtComp_[i]->setText(Text(model_.txtComp[i]));
    txtThick_[i]->setText(Text(model_.txtThick[i]));
  }
  optCalcMethod_[model_.optCalcMethod == 0 ? 0 : 1]->setChecked(true);
  optDeca_[model_.optDeca == 0 ? 0 : 1]->setChecked(true);
  txtDecaThick_->setEnabled(model_.DecaThickEnabled());
  txtDecaThick_->setText(Text(model_.txtDecaThick));
  txtNumLines_->setText(Text(model_.txtNumLines));
  for (std::size_t i = 0; i < txtPen_.size(); ++i) {
    txtPen_[i]->setText(Text(model_.txtPen[i]));
  }
  for (std::size_t i = 0; i < txtMargin_.size(); ++i) {
    txtMargin_[i]->setText(Text(model_.txtMargin[i]));
  }
}

void ProjectPropertiesDialog::CollectModel() {
  model_.txtDatFile = txtDatFile_->text().toStdString();
  model_.txtVarFile = txtVarFile_->text().toStdString();
  model_.txtAlignFile = txtAlignFile_->text().toStdString();
  model_.txtLeft = txtLeft_->text().toStdString();
  model_.txtCenter = txtCenter_->text().toStdString();
  model_.txtRight = txtRight_->text().toStdString();
  model_.SetSectionsPerSheet(slider_->value());
  model_.chkBorder = chkBorder_->isChecked();
  model_.chkDatum = chkDatum_->isChecked();
  for (std::size_t i = 0; i < txtComp_.size(); ++i) {
    model_.txtComp[i] = txtComp_[i]->text().toStdString();
    model_.txtThick[i] = txtThick_[i]->text().toStdString();
  }
  model_.optCalcMethod = optCalcMethod_[0]->isChecked() ? 0 : 1;
  model_.SelectDeca(optDeca_[0]->isChecked() ? 0 : 1);
  model_.txtDecaThick = txtDecaThick_->text().toStdString();
  model_.txtNumLines = txtNumLines_->text().toStdString();
  for (std::size_t i = 0; i < txtPen_.size(); ++i) {
    model_.txtPen[i] = txtPen_[i]->text().toStdString();
  }
  for (std::size_t i = 0; i < txtMargin_.size(); ++i) {
    model_.txtMargin[i] = txtMargin_[i]->text().toStdString();
  }
}

void ProjectPropertiesDialog::ShowSample() {
  QFont font(Text(model_.font.name));
  if (model_.font.pointSize > 0) {
    font.setPointSizeF(model_.font.pointSize);
  }
  font.setBold(model_.font.bold);
  font.setItalic(model_.font.italic);
  lblSample_->setFont(font);
  lblSample_->setToolTip(QStringLiteral("%1, %2 pt").arg(font.family()).arg(font.pointSizeF()));
}

void ProjectPropertiesDialog::ChooseFont() {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, lblSample_->font(), this, tr("Font"));
  if (!chosen) {
    return;
  }
  model_.font = {font.family().toStdString(), font.pointSizeF(), font.bold(), font.italic()};
  ShowSample();
}

void ProjectPropertiesDialog::Ok() {
  CollectModel();
  if (model_.Ok(state_, dialogs_)) {
    accept();
  }
}

}  // namespace calvora
