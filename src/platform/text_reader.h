// Reading a file as text, front to back or a range at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/os/file.h"

namespace Runtime {

struct ByteBlock {
  const unsigned char* data;
  std::size_t size;
};

/// Reads a named file in large blocks, to its real end: a file that grows while it is read is
/// read to the end it then has. Every operation returns 0 or a Windows error code. The byte 26
/// that ends a text is left to the visitor's single pass over each block (see scan/text_scan.h).
/// Several readers of one file, each opened with OpenAnother, may read ranges of it at once.
class TextReader {
 public:
  /// Takes one block; false to stop reading.
  using BlockVisitor = bool (*)(ByteBlock block, void* context);

  // Sized by measurement (bench/): large enough that calls cost little, small enough that the
  // block is still in the processor's cache when it is counted.
  static constexpr std::size_t kBlockSize = 512 * 1024;
  // The system copies fastest into a page-aligned block.
  static constexpr std::size_t kBlockAlignment = 4096;
  // After a large read fails, the same region is read again in steps this small, so that a byte
  // 26 before the failing point still ends the text there and the error is met only if the text
  // reaches it.
  static constexpr std::size_t kRetryStep = 128;
  // The end of a range that runs to the file's real end.
  static constexpr std::uint64_t kToTheEnd = UINT64_MAX;

  explicit TextReader(std::string file_name) : file_name_(std::move(file_name)) {}
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  /// Opens the file and takes the block it is read into.
  int Open();

  /// Opens another reader of the file that original has open, with a block of its own.
  int OpenAnother(const TextReader& original);

  /// The file's size when it is a regular file; false for one that can only be read front to
  /// back (a pipe, a FIFO, a device).
  bool SizeOfRegularFile(std::uint64_t* size) const;

  /// Hands the file's bytes to visit, block by block, until it declines or the file ends.
  int ReadEach(BlockVisitor visit, void* context);

  /// The same for the bytes from begin to end (or kToTheEnd), read at their offsets.
  int ReadRange(std::uint64_t begin, std::uint64_t end, BlockVisitor visit, void* context);

  int Close();

 private:
  enum class Progress { kGoOn, kEnded };

  // Where the next block comes from: the file's own position, or an offset up to an end.
  struct Cursor {
    bool at_offset;
    std::uint64_t offset;
    std::uint64_t end;
  };

  int ReadAll(Cursor* cursor, BlockVisitor visit, void* context);
  /// Reads up to size bytes and hands them to visit: 0, or the error code of the failed read.
  int ReadBlock(Cursor* cursor, std::size_t size, BlockVisitor visit, void* context,
                Progress* progress);
  int ReadBlockInSteps(Cursor* cursor, BlockVisitor visit, void* context, Progress* progress);
  void TakeBlock();

  std::string file_name_;
  os::FileHandle handle_ = 0;
  bool is_open_ = false;
  std::unique_ptr<unsigned char[]> storage_;
  unsigned char* block_ = nullptr;
};

}  // namespace Runtime
