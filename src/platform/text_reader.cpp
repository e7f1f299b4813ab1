#include "platform/text_reader.h"

namespace {
constexpr int kBrokenPipe = 109;
}

TextReader::~TextReader() {
  if (is_open_) platform::CloseFile(handle_);
}

int TextReader::Open() {
  const int code = platform::OpenFileForReading(file_name_.c_str(), &handle_);
  if (code != 0) return code;
  is_open_ = true;
  at_end_ = false;
  if (!buffer_) buffer_.reset(new unsigned char[kBlockSize]);
  return 0;
}

ByteBlock TextReader::ReadBlock(int* error_code) {
  *error_code = 0;
  if (!is_open_ || at_end_) return {nullptr, 0};
  std::uint32_t count = 0;
  const int code = platform::ReadFromFile(handle_, buffer_.get(), kBlockSize, &count);
  if (code != 0) {
    count = 0;
    if (code != kBrokenPipe) *error_code = code;
  }
  if (count == 0) at_end_ = true;
  return {buffer_.get(), count};
}

int TextReader::Close() {
  if (!is_open_) return 0;
  is_open_ = false;
  return platform::CloseFile(handle_);
}
