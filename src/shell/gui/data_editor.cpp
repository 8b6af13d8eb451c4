#include "shell/gui/data_editor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "drawing/gui/section_sketch_view.h"

namespace calvora {

namespace {

QLineEdit* NumberBox(const QString& name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaximumWidth(100);
  return box;
}

}  // namespace

DataEditor::DataEditor(ProjectState& state, UserDialogs& dialogs, QWidget* parent)
    : RecordEditorWindow(model_, state, dialogs, parent), model_(state, dialogs) {
  setObjectName(QStringLiteral("frmData"));
  setWindowTitle(tr("Data"));

  fraMain_ = new QGroupBox(this);
  fraMain_->setObjectName(QStringLiteral("fraMain"));
  auto* grid = new QGridLayout;
  int row = 0;
  for (const SectionFieldControl& control : SectionFieldControls()) {
    QLineEdit* box = NumberBox(QString::fromLatin1(control.name), fraMain_);
    fields_[control.field] = box;
    connect(box, &QLineEdit::textEdited, this, [this, field = control.field](const QString& text) {
      model_.Type(field, text.toStdString());
      ShowModel();
    });
    auto* label = new QLabel(tr(control.keyed), fraMain_);
    label->setBuddy(box);
    if (control.field == SectionField::Meter) {
      grid->addWidget(label, 0, 2);
      grid->addWidget(box, 0, 3);
      continue;
    }
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    ++row;
  }
  grid->setRowStretch(row, 1);
  // The fields, then the two sides' points beside them; the sketch below, as wide as the window.
  auto* main = new QHBoxLayout(fraMain_);
  main->addLayout(grid);
  main->addWidget(MakePointsFrame(-1, tr("Left Points:")));
  main->addWidget(MakePointsFrame(1, tr("Right Points:")));
  main->addStretch();

  sketchView_ = new SectionSketchView(sketch_, this);
  sketchView_->setAccessibleName(tr("Sketch of the section"));
  sketchMessages_ = new QLabel(this);
  sketchMessages_->setObjectName(QStringLiteral("lblSketch"));
  sketchMessages_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 4);
  layout->addWidget(toolBar_);
  layout->addWidget(fraMain_);
  layout->addWidget(sketchView_, 1);
  layout->addWidget(sketchMessages_);
}

QGroupBox* DataEditor::MakePointsFrame(int side, const QString& title) {
  auto* frame = new QGroupBox(title, fraMain_);
  frame->setObjectName(side < 0 ? QStringLiteral("fraLeft") : QStringLiteral("fraRight"));
  auto* grid = new QGridLayout(frame);
  grid->addWidget(new QLabel(tr("Distance:"), frame), 0, 1);
  grid->addWidget(new QLabel(tr("Elevation:"), frame), 0, 2);
  const QString prefix = side < 0 ? QStringLiteral("txtLeft") : QStringLiteral("txtRight");
  auto& rows = side < 0 ? left_ : right_;
  for (int k = 0; k < DataEditorModel::kRows; ++k) {
    Row& row = rows[std::size_t(k)];
    row.distance = NumberBox(QStringLiteral("%1Dist(%2)").arg(prefix).arg(k), frame);
    row.elevation = NumberBox(QStringLiteral("%1Elev(%2)").arg(prefix).arg(k), frame);
    row.label = new QLabel(QStringLiteral("&%1-").arg(k + 1), frame);
    row.label->setBuddy(row.distance);
    grid->addWidget(row.label, k + 1, 0);
    grid->addWidget(row.distance, k + 1, 1);
    grid->addWidget(row.elevation, k + 1, 2);
    for (const bool elevation : {false, true}) {
      connect(elevation ? row.elevation : row.distance, &QLineEdit::textEdited, this,
              [this, side, k, elevation](const QString& text) {
                model_.TypePoint(side, k, elevation, text.toStdString());
                ShowModel();
              });
    }
  }
  grid->setRowStretch(DataEditorModel::kRows + 1, 1);
  return frame;
}

void DataEditor::BeforeRewrite() {
  model_.BeforeRewrite();
  ShowModel();
}

void DataEditor::AfterRewrite() {
  model_.AfterRewrite();
  ShowModel();
}

void DataEditor::ShowModel() {
  fraMain_->setTitle(QString::fromStdString(model_.PositionText()));
  for (const auto& [field, box] : fields_) {
    ShowText(box, model_.Text(field));
  }
  for (const int side : {-1, 1}) {
    auto& rows = side < 0 ? left_ : right_;
    for (int k = 0; k < DataEditorModel::kRows; ++k) {
      const PointRow& point = model_.Row(side, k);
      Row& row = rows[std::size_t(k)];
      ShowText(row.distance, point.distance);
      ShowText(row.elevation, point.elevation);
      for (QWidget* widget : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.distance),
                              static_cast<QWidget*>(row.elevation)}) {
        widget->setVisible(point.visible);
      }
    }
  }
  const TypedSection typed = model_.Typed();
  if (typed.refusal.empty()) {
    sketch_.Show(state_, typed.record, model_.Current());
  } else {
    sketch_.ShowProblem(typed.refusal);
  }
  sketchView_->update();
  QStringList messages;
  for (const std::string& line : sketch_.Messages()) {
    messages << QString::fromStdString(line);
  }
  sketchMessages_->setText(messages.join(QLatin1Char('\n')));
  sketchMessages_->setVisible(!messages.isEmpty());
}

}  // namespace calvora
