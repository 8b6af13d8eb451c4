#include "shell/gui/typical_section_editor.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "drawing/gui/template_picture.h"
#include "shell/gui/find_section_dialog.h"
#include "shell/gui/template_form_dialog.h"

namespace calvora {

TypicalSectionEditor::TypicalSectionEditor(ProjectState& state, UserDialogs& dialogs,
                                           QMenu& typeMenu, QWidget* parent)
    : RecordEditorWindow(model_, state, dialogs, parent, TypicalSectionButtons()),
      model_(state, dialogs, *this),
      typeMenu_(&typeMenu) {
  setObjectName(QStringLiteral("frmVariant"));
  setWindowTitle(tr("Typical Cross Sections"));

  picture_ = new TemplatePicture({[this](clsGraphic& graphic, const TemplateView& view) {
                                    DrawTemplate(graphic, state_.Project, model_.Record(),
                                                 model_.Mode(), view);
                                  },
                                  [this](double x) { return model_.ToolTipAt(x); }},
                                 this);
  connect(picture_, &TemplatePicture::rightPressed, this, [this](double x, double y, QPoint at) {
    model_.Click(x, y);
    if (typeMenu_) {
      typeMenu_->popup(at);
    }
  });
  const std::pair<const char*, void (TypicalSectionModel::*)()> items[] = {
      {"mnuTypeInsert", &TypicalSectionModel::InsertLine},
      {"mnuTypeDelete", &TypicalSectionModel::DeleteLine},
      {"mnuTypeEdit", &TypicalSectionModel::EditLine},
  };
  for (const auto& [name, operation] : items) {
    if (QAction* item = typeMenu.findChild<QAction*>(QString::fromLatin1(name))) {
      connect(item, &QAction::triggered, this, [this, operation = operation] { Act(operation); });
    }
  }

  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("StatusBar"));
  status->setSizeGripEnabled(false);
  varNum_ = new QLabel(status);
  varNum_->setObjectName(QStringLiteral("VarNum"));
  varNum_->setToolTip(tr("Current record number"));
  tran_ = new QPushButton(status);
  tran_->setObjectName(QStringLiteral("Tran"));
  tran_->setFlat(true);
  tran_->setToolTip(tr("Water way view option (Alt+W)"));
  tran_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_W));
  connect(tran_, &QPushButton::clicked, this, [this] {
    model_.CycleDitchMode();
    ShowModel();
  });
  status->addWidget(varNum_, 1);
  status->addPermanentWidget(tran_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->addWidget(toolBar_);
  layout->addWidget(picture_, 1);
  layout->addWidget(status);
  setTabOrder(toolBar_, picture_);
  setTabOrder(picture_, tran_);
}

void TypicalSectionEditor::ShowModel() {
  varNum_->setText(QString::fromStdString(model_.RecordText()));
  tran_->setText(QString::fromStdString(model_.ModeText()));
  picture_->update();
}

void TypicalSectionEditor::Act(void (TypicalSectionModel::*operation)()) {
  (model_.*operation)();
  ShowModel();
}

void TypicalSectionEditor::ShowForm(TemplateForm& form) {
  TemplateFormDialog dialog(form, dialogs_, this);
  dialog.exec();
}

void TypicalSectionEditor::ShowRange(SectionRangeModel& range) {
  FindSectionDialog dialog(range, state_, dialogs_, this);
  dialog.exec();
}

}  // namespace calvora
