// frmPrintDXF: the page fields take input only for a range; the text DXF choice only for export.

#include "drawing/gui/sheet_range_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace calvora {
namespace {

TEST(SheetRangeDialog, PageFieldsFollowTheOptionAndTheChoiceIsRead) {
  for (const auto purpose : {SheetRangeModel::Purpose::Print, SheetRangeModel::Purpose::Export}) {
    SheetRangeDialog dialog(purpose, nullptr);
    const bool exporting = purpose == SheetRangeModel::Purpose::Export;
    EXPECT_EQ(dialog.windowTitle(), exporting ? QStringLiteral("DXF Output") : "Print");
    auto* from = dialog.findChild<QLineEdit*>(QStringLiteral("txtFrom"));
    auto* to = dialog.findChild<QLineEdit*>(QStringLiteral("txtTo"));
    EXPECT_FALSE(from->isEnabled());
    dialog.findChild<QRadioButton*>(QStringLiteral("optPages"))->setChecked(true);
    EXPECT_TRUE(from->isEnabled() && to->isEnabled());
    from->setText(QStringLiteral("2"));
    to->setText(QStringLiteral("5"));
    auto* text = dialog.findChild<QCheckBox*>(QStringLiteral("chkTextDXF"));
    EXPECT_EQ(!text->isHidden(), exporting);
    text->setChecked(true);
    const SheetRangeModel& model = dialog.Model();
    EXPECT_EQ(model.choice.Option, SheetRangeOption::Pages);
    EXPECT_EQ(model.choice.From + "-" + model.choice.To, "2-5");
    EXPECT_EQ(model.Format(), DxfFormat::Ascii);
    dialog.findChild<QRadioButton*>(QStringLiteral("optCurrent"))->setChecked(true);
    EXPECT_FALSE(to->isEnabled());
    EXPECT_EQ(dialog.Model().choice.Option, SheetRangeOption::CurrentPage);
  }
}

}  // namespace
}  // namespace calvora
