#include "shell/gui/template_form_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>

#include "shell/gui/centre_on_screen.h"

namespace calvora {

namespace {

// fraTran: a ditch with its numbers named where they apply.
class DitchSketch : public QWidget {
 public:
  explicit DitchSketch(QWidget* parent) : QWidget(parent) { setFixedSize(330, 100); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF points[] = {{5, 45},   {45, 45},  {75, 85}, {115, 85},
                              {165, 35}, {215, 35}, {265, 5}};
    painter.setPen(QPen(Qt::darkBlue, 2));
    painter.drawPolyline(points, int(std::size(points)));
    painter.setPen(Qt::black);
    const std::pair<QPointF, const char*> names[] = {
        {{20, 70}, "D"},        {{40, 70}, "S0"},    {{88, 99}, "W"},
        {{145, 72}, "S, 1) H"}, {{175, 28}, "1) W"}, {{245, 38}, "1) S, 2) H"}};
    for (const auto& [at, name] : names) {
      painter.drawText(at, QString::fromLatin1(name));
    }
  }
};

}  // namespace

TemplateFormDialog::TemplateFormDialog(TemplateForm& form, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), form_(form), dialogs_(dialogs) {
  setObjectName(QString::fromLatin1(form.ObjectName()));
  setWindowTitle(QString::fromLatin1(form.Caption()));
  auto* layout = new QVBoxLayout(this);
  auto* loose = new QFormLayout;
  layout->addLayout(loose);
  auto* frames = new QGridLayout;
  layout->addLayout(frames);
  std::map<std::string, QFormLayout*> groups;
  for (FormField& field : form.Fields()) {
    QFormLayout* rows = loose;
    if (!field.group.empty()) {
      QFormLayout*& group = groups[field.group];
      if (group == nullptr) {
        auto* frame = new QGroupBox(QString::fromStdString(field.group), this);
        frame->setObjectName(QStringLiteral("fra") + QString::fromStdString(field.group));
        group = new QFormLayout(frame);
        const int at = int(groups.size()) - 1;
        frames->addWidget(frame, at / 3, at % 3);
      }
      rows = group;
    }
    auto* box = new QLineEdit(QString::fromStdString(field.text), this);
    box->setObjectName(QString::fromStdString(field.name));
    box->setEnabled(field.enabled);
    box->setMaximumWidth(90);
    auto* label = new QLabel(QString::fromStdString(field.label), this);
    label->setBuddy(box);
    rows->addRow(label, box);
    boxes_.push_back(box);
  }
  if (std::string(form.ObjectName()) == "frmTranEdit") {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraTran"));
    auto* sketch = new QVBoxLayout(frame);
    sketch->addWidget(new DitchSketch(frame));
    layout->addWidget(frame);
  }
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(ok, &QPushButton::clicked, this, &TemplateFormDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &TemplateFormDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
}

void TemplateFormDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
}

void TemplateFormDialog::Ok() {
  std::size_t i = 0;
  for (FormField& field : form_.Fields()) {
    field.text = boxes_[i++]->text().toStdString();
  }
  if (form_.Ok(dialogs_)) {
    QDialog::accept();
  }
}

void TemplateFormDialog::reject() {
  form_.Cancel();
  QDialog::reject();
}

}  // namespace calvora
