// The text channel to standard output.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/os/file.h"

namespace Runtime {

/// Bytes go out unchanged through a 128-byte buffer: written through at every line end on a
/// console, otherwise whenever the buffer fills and at Flush. The first failure stops the channel
/// until TakeResult hands it to the I/O test.
class TextWriter {
 public:
  /// Opens the channel's handle: 0, or the error code of a failed open.
  using Opener = int (*)(os::FileHandle* handle, bool* write_through);

  static constexpr std::size_t kBufferSize = 128;

  explicit TextWriter(Opener open = OpenStandardOutput) : open_(open) {}

  void Write(std::string_view text);
  void EndLine();

  /// The pending failure's error code, or 0; clears it.
  int TakeResult();

  /// Writes out what the buffer holds: 0, or the error code of the failed write.
  int Flush();

  /// Standard output as the runtime opens it: kFileNotOpenForOutput when there is no usable
  /// handle.
  static int OpenStandardOutput(os::FileHandle* handle, bool* write_through);

 private:
  bool WriteBuffer();

  Opener open_;
  bool is_open_ = false;
  bool write_through_ = false;
  os::FileHandle handle_ = 0;
  int result_ = 0;
  std::size_t fill_ = 0;
  char buffer_[kBufferSize];
};

}  // namespace Runtime
