#include "drawing/scratch_file.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "records/file_error.h"

namespace calvora {

ScratchFile::ScratchFile(std::filesystem::path target)
    : target_(std::move(target)),
      scratch_(target_.parent_path() / ("~" + target_.filename().string() + ".tmp")) {}

ScratchFile::~ScratchFile() {
  if (!committed_) {
    if (stream_.is_open()) {
      stream_.close();
    }
    std::error_code ignored;
    std::filesystem::remove(scratch_, ignored);
  }
}

std::ofstream& ScratchFile::Stream() {
  if (!stream_.is_open()) {
    errno = 0;
    stream_.open(scratch_, std::ios::binary | std::ios::trunc);
    if (!stream_) {
      throw FileError::FromErrno(scratch_, errno != 0 ? errno : EIO);
    }
  }
  return stream_;
}

void ScratchFile::Commit() {
  if (stream_.is_open()) {
    stream_.flush();
    const bool written = stream_.good();
    stream_.close();
    if (!written || stream_.fail()) {
      throw FileError(scratch_, "Cannot write the file");
    }
  }
  if (std::rename(scratch_.c_str(), target_.c_str()) != 0) {
    throw FileError::FromErrno(target_, errno);
  }
  committed_ = true;
}

}  // namespace calvora
