// Reading a file front to back as text.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/file.h"

struct ByteBlock {
  const unsigned char* data;
  std::size_t size;
};

/// Reads a named file in large blocks. Every operation returns 0 or a Windows error code. A
/// broken pipe (109) ends the text like the physical end, and once the end is reached no further
/// read is asked of the system. The byte 26 that ends a text is left to the caller's single pass
/// over each block (see scan/text_scan.h).
class TextReader {
 public:
  static constexpr std::size_t kBlockSize = 128 * 1024;

  explicit TextReader(std::string file_name) : file_name_(std::move(file_name)) {}
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  int Open();

  /// The next bytes of the file, empty at its end; on failure empty, with *error_code set.
  ByteBlock ReadBlock(int* error_code);

  int Close();

 private:
  std::string file_name_;
  platform::FileHandle handle_ = 0;
  bool is_open_ = false;
  bool at_end_ = false;
  std::unique_ptr<unsigned char[]> buffer_;
};
