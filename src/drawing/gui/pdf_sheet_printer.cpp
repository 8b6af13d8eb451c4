#include "drawing/gui/pdf_sheet_printer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "records/file_error.h"

namespace calvora {

namespace {

constexpr double kPointsPerSheetUnit = 14.4;

}  // namespace

PdfSheetPrinter::PdfSheetPrinter(const std::filesystem::path& path, const SheetSize& page,
                                 int dotsPerInch)
    : page_(page), file_(path) {
  writer_ = std::make_unique<QPdfWriter>(QString::fromStdString(file_.Path().string()));
  writer_->setResolution(dotsPerInch);
  writer_->setCreator(QStringLiteral("Calvora"));
  const QPageSize size(QSizeF(page.Width * kPointsPerSheetUnit, page.Height * kPointsPerSheetUnit),
                       QPageSize::Point, QString(), QPageSize::ExactMatch);
  writer_->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

PdfSheetPrinter::~PdfSheetPrinter() {
  if (painter_.isActive()) {
    painter_.end();
  }
  writer_.reset();
}

GraphicDevice& PdfSheetPrinter::StartSheet(int) {
  if (firstPage_) {
    if (!painter_.begin(writer_.get())) {
      throw FileError(file_.Path(), "Cannot write the PDF document");
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    firstPage_ = false;
  } else {
    writer_->newPage();
  }
  painter_.fillRect(QRectF(0, 0, writer_->width(), writer_->height()), Qt::white);
  device_.emplace(painter_, QRectF(0, 0, writer_->width(), writer_->height()),
                  writer_->resolution());
  return *device_;
}

void PdfSheetPrinter::EndDoc() {
  device_.reset();
  if (painter_.isActive() && !painter_.end()) {
    throw FileError(file_.Path(), "Cannot write the PDF document");
  }
  writer_.reset();
  file_.Commit();
}

}  // namespace calvora
