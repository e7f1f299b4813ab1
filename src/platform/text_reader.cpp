#include "platform/text_reader.h"

#include <algorithm>

namespace Runtime {

TextReader::~TextReader() {
  if (is_open_) os::CloseFile(handle_);
}

// Taken at the open, so that no read allocates: a reader may read on a thread of its own.
void TextReader::TakeBlock() {
  if (block_ != nullptr) return;
  storage_.reset(new unsigned char[kBlockSize + kBlockAlignment]);
  const auto address = reinterpret_cast<std::uintptr_t>(storage_.get());
  block_ = storage_.get() + (kBlockAlignment - address % kBlockAlignment) % kBlockAlignment;
}

int TextReader::Open() {
  TakeBlock();
  const int code = os::OpenFileForReading(file_name_.c_str(), &handle_);
  if (code != 0) return code;
  is_open_ = true;
  return 0;
}

int TextReader::OpenAnother(const TextReader& original) {
  TakeBlock();
  const int code = os::OpenAnotherReader(original.handle_, &handle_);
  if (code != 0) return code;
  is_open_ = true;
  return 0;
}

bool TextReader::SizeOfRegularFile(std::uint64_t* size) const {
  return os::SizeOfRegularFile(handle_, size);
}

int TextReader::ReadEach(BlockVisitor visit, void* context) {
  Cursor cursor = {false, 0, kToTheEnd};
  return ReadAll(&cursor, visit, context);
}

int TextReader::ReadRange(std::uint64_t begin, std::uint64_t end, BlockVisitor visit,
                          void* context) {
  Cursor cursor = {true, begin, end};
  return ReadAll(&cursor, visit, context);
}

int TextReader::ReadAll(Cursor* cursor, BlockVisitor visit, void* context) {
  for (;;) {
    Progress progress;
    if (ReadBlock(cursor, kBlockSize, visit, context, &progress) != 0) {
      const int code = ReadBlockInSteps(cursor, visit, context, &progress);
      if (code != 0) return code;
    }
    if (progress == Progress::kEnded) return 0;
  }
}

int TextReader::ReadBlock(Cursor* cursor, std::size_t size, BlockVisitor visit, void* context,
                          Progress* progress) {
  const auto wanted =
      static_cast<std::uint32_t>(std::min<std::uint64_t>(size, cursor->end - cursor->offset));
  std::uint32_t count = 0;
  const int code = cursor->at_offset
                       ? os::ReadFromFileAt(handle_, cursor->offset, block_, wanted, &count)
                       : os::ReadFromFile(handle_, block_, wanted, &count);
  if (code != 0) return code;
  cursor->offset += count;
  const bool more = count > 0 && visit({block_, count}, context) && cursor->offset < cursor->end;
  *progress = more ? Progress::kGoOn : Progress::kEnded;
  return 0;
}

// A failed read moves no file position, so the steps cover the region that the block would have.
int TextReader::ReadBlockInSteps(Cursor* cursor, BlockVisitor visit, void* context,
                                 Progress* progress) {
  *progress = Progress::kGoOn;
  for (std::size_t step = 0; step < kBlockSize / kRetryStep; ++step) {
    const int code = ReadBlock(cursor, kRetryStep, visit, context, progress);
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
