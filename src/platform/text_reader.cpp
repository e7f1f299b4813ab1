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
    Progress progress;
    if (ReadBlock(kBlockSize, visit, context, &progress) != 0) {
      const int code = ReadBlockInSteps(visit, context, &progress);
      if (code != 0) return code;
    }
    if (progress == Progress::kEnded) return 0;
  }
}

int TextReader::ReadBlock(std::size_t size, BlockVisitor visit, void* context, Progress* progress) {
  std::uint32_t count = 0;
  const int code = os::ReadFromFile(handle_, block_, static_cast<std::uint32_t>(size), &count);
  if (code != 0) return code;
  *progress = count == 0 || !visit({block_, count}, context) ? Progress::kEnded : Progress::kGoOn;
  return 0;
}

// A failed read moves no file position, so the steps cover the region that the block would have.
int TextReader::ReadBlockInSteps(BlockVisitor visit, void* context, Progress* progress) {
  *progress = Progress::kGoOn;
  for (std::size_t step = 0; step < kBlockSize / kRetryStep; ++step) {
    const int code = ReadBlock(kRetryStep, visit, context, progress);
    if (code != 0 || *progress == Progress::kEnded) return code;
  }
  return 0;
}

int TextReader::Close() {
  if (!is_open_) return 0;
  is_open_ = false;
  return os::CloseFile(handle_);
}

}  // namespace Runtime
