#include "platform/text_reader.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace Runtime {
namespace {

// The visitors below change the file while it is read, as another process could.
struct FileChange {
  std::string path;
  std::size_t blocks = 0;
  std::size_t bytes = 0;
};

bool GrowOnFirstBlock(ByteBlock block, void* context) {
  auto* change = static_cast<FileChange*>(context);
  if (change->blocks++ == 0) {
    std::FILE* file = std::fopen(change->path.c_str(), "ab");
    std::fputs("grown", file);
    std::fclose(file);
  }
  change->bytes += block.size;
  return true;
}

bool ShrinkOnFirstBlock(ByteBlock block, void* context) {
  auto* change = static_cast<FileChange*>(context);
  if (change->blocks++ == 0) std::filesystem::resize_file(change->path, 100);
  change->bytes += block.size;
  return true;
}

TEST(TextReader, ReadsAFileThatGrowsToItsRealEnd) {
  TempDir dir;
  FileChange change = {dir.WriteFile("f", std::string(1000, 'x'))};
  TextReader reader(change.path);
  ASSERT_EQ(reader.Open(), 0);
  EXPECT_EQ(reader.ReadEach(GrowOnFirstBlock, &change), 0);
  EXPECT_EQ(change.bytes, 1005u);
  EXPECT_EQ(reader.Close(), 0);
}

TEST(TextReader, ReadsAFileThatShrinksToItsNewEnd) {
  TempDir dir;
  FileChange change = {dir.WriteFile("f", std::string(3 * TextReader::kBlockSize, 'x'))};
  TextReader reader(change.path);
  ASSERT_EQ(reader.Open(), 0);
  EXPECT_EQ(reader.ReadEach(ShrinkOnFirstBlock, &change), 0);
  EXPECT_EQ(change.blocks, 1u);
  EXPECT_EQ(change.bytes, TextReader::kBlockSize);
  EXPECT_EQ(reader.Close(), 0);
}

}  // namespace
}  // namespace Runtime
