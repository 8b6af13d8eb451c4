#pragma once
// frmPrintDXF: which sheets to print or export.

#include <QDialog>

#include "shell/sheet_range_model.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace calvora {

class SheetRangeDialog : public QDialog {
  Q_OBJECT

 public:
  SheetRangeDialog(SheetRangeModel::Purpose purpose, QWidget* parent);

  // The choice as the controls hold it.
  const SheetRangeModel& Model();

 private:
  void ShowChoice();

  SheetRangeModel model_;
  QRadioButton* all_;
  QRadioButton* current_;
  QRadioButton* pages_;
  QLineEdit* from_;
  QLineEdit* to_;
  QCheckBox* textDxf_;
};

}  // namespace calvora
