#include "platform/text_writer.h"

#include <algorithm>
#include <cstring>

#include "platform/exceptions.h"

namespace Runtime {

int TextWriter::OpenStandardOutput(os::FileHandle* handle, bool* write_through) {
  *handle = os::StandardOutputHandle();
  switch (os::KindOfHandle(*handle)) {
    case os::HandleKind::kUnusable:
      return kFileNotOpenForOutput;
    case os::HandleKind::kConsole:
      *write_through = true;
      return 0;
    case os::HandleKind::kOther:
      *write_through = false;
      return 0;
  }
  return kFileNotOpenForOutput;
}

void TextWriter::Write(std::string_view text) {
  if (result_ != 0) return;
  if (!is_open_) {
    // A failed open drops this text; the next write tries again.
    result_ = open_(&handle_, &write_through_);
    if (result_ != 0) return;
    is_open_ = true;
  }
  while (!text.empty()) {
    const std::size_t count = std::min(kBufferSize - fill_, text.size());
    std::memcpy(buffer_ + fill_, text.data(), count);
    fill_ += count;
    text.remove_prefix(count);
    if (fill_ == kBufferSize && !WriteBuffer()) return;
  }
}

void TextWriter::EndLine() {
  Write(os::kLineEnd);
  if (write_through_ && result_ == 0 && fill_ > 0) WriteBuffer();
}

int TextWriter::TakeResult() {
  const int result = result_;
  result_ = 0;
  return result;
}

int TextWriter::Flush() {
  if (fill_ == 0) return 0;
  const int code = os::WriteToFile(handle_, buffer_, static_cast<std::uint32_t>(fill_));
  fill_ = 0;
  return code;
}

// A failed write loses the buffer's bytes all the same.
bool TextWriter::WriteBuffer() {
  result_ = Flush();
  return result_ == 0;
}

}  // namespace Runtime
