#include "drawing/gui/png_sheet_printer.h"

#include <fmt/format.h>

#include <QString>
#include <cmath>

#include "records/file_error.h"
#include "records/scratch_file.h"

namespace calvora {

namespace {

constexpr double kInchesPerSheetUnit = 0.2;
constexpr double kMetresPerInch = 0.0254;

}  // namespace

PngSheetPrinter::PngSheetPrinter(std::filesystem::path folder, const SheetSize& page,
                                 int dotsPerInch)
    : folder_(std::move(folder)), page_(page), dotsPerInch_(dotsPerInch) {}

PngSheetPrinter::~PngSheetPrinter() {
  if (painter_.isActive()) {
    painter_.end();
  }
}

std::string PngSheetPrinter::SheetFileName(int sheet) {
  return fmt::format("sheet_{:03}.png", sheet);
}

GraphicDevice& PngSheetPrinter::StartSheet(int sheet) {
  sheet_ = sheet;
  const int width = static_cast<int>(std::lround(page_.Width * kInchesPerSheetUnit * dotsPerInch_));
  const int height =
      static_cast<int>(std::lround(page_.Height * kInchesPerSheetUnit * dotsPerInch_));
  image_ = QImage(width, height, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch_ / kMetresPerInch));
  image_.setDotsPerMeterX(dotsPerMetre);
  image_.setDotsPerMeterY(dotsPerMetre);
  image_.fill(Qt::white);
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing);
  device_.emplace(painter_, QRectF(0, 0, width, height), dotsPerInch_);
  return *device_;
}

void PngSheetPrinter::EndSheet() {
  device_.reset();
  painter_.end();
  const std::filesystem::path target = folder_ / SheetFileName(sheet_);
  ScratchFile file(target);
  if (!image_.save(QString::fromStdString(file.Path().string()), "PNG")) {
    throw FileError(target, "Cannot write the image");
  }
  file.Commit();
  written_.push_back(target);
}

}  // namespace calvora
