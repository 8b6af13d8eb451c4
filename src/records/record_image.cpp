#include "records/record_image.h"

#include <algorithm>
#include <string>

namespace calvora {

RecordImage::RecordImage(const RecordFile& file)
    : recordLength_(file.RecordLength()),
      count_(file.Count()),
      bytes_(static_cast<std::size_t>(count_) * recordLength_) {
  if (count_ > 0) {
    file.ReadRange(1, count_, bytes_);
  }
}

std::span<std::uint8_t> RecordImage::Record(int n) {
  if (n < 1 || n > count_) {
    throw std::out_of_range("record " + std::to_string(n) + " is not in the image");
  }
  return std::span<std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(n - 1) * recordLength_,
                                                 recordLength_);
}

void RecordImage::Read(int n, std::span<std::uint8_t> out) const {
  const auto record = const_cast<RecordImage*>(this)->Record(n);
  std::copy_n(record.begin(), std::min(out.size(), record.size()), out.begin());
}

void RecordImage::Write(int n, std::span<const std::uint8_t> bytes) {
  const auto record = Record(n);
  std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
}

}  // namespace calvora
