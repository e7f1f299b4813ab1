#include "platform/text_reader.h"

namespace Runtime {

TextReader::~TextReader() {
  if (is_open_) os::CloseFile(handle_);
}

int TextReader::Open() {
  const int code = os::OpenFileForReading(file_name_.c_str(), &handle_);
  if (code != 0) return code;
  is_open_ = true;
  return 0;
}

int TextReader::ReadEach(BlockVisitor visit, void* context) {
  if (block_ == nullptr) {
    storage_.reset(new unsigned char[kBlockSize + kBlockAlignment]);
    const auto address = reinterpret_cast<std::uintptr_t>(storage_.get());
    block_ = storage_.get() + (kBlockAlignment - address % kBlockAlignment) % kBlockAlignment;
  }
  for (;;) {
    std::uint32_t count = 0;
    const int code = os::ReadFromFile(handle_, block_, kBlockSize, &count);
    if (code != 0) return code;
    if (count == 0 || !visit({block_, count}, context)) return 0;
  }
}

int TextReader::Close() {
  if (!is_open_) return 0;
  is_open_ = false;
  return os::CloseFile(handle_);
}

}  // namespace Runtime
