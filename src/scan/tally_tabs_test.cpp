#include "scan/tally_tabs.h"

#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/text_reader.h"
#include "temp_dir.h"

namespace {

std::int64_t Tally(const TempDir& dir, const std::string& bytes) {
  const std::string file = dir.WriteFile("text", bytes);
  std::int64_t count = -1;
  EXPECT_TRUE(QuintrelU::TallyTabs(file, count));
  return count;
}

// A block of n bytes of x with the given bytes placed at the given offsets.
std::string Placed(std::size_t n, std::initializer_list<std::pair<std::size_t, char>> bytes) {
  std::string text(n, 'x');
  for (const auto& [offset, byte] : bytes) text[offset] = byte;
  return text;
}

TEST(TallyTabs, CountsExactlyTheTabsBeforeTheFirstCtrlZ) {
  const std::size_t block = TextReader::kBlockSize;
  struct Case {
    const char* what;
    std::string bytes;
    std::int64_t tabs;
  };
  const Case cases[] = {
      {"empty file", "", 0},
      {"tabs only", std::string(1000, '\t'), 1000},
      {"ends in a tab", "a\tb\t", 2},
      {"line ends and NUL are ordinary", std::string("\t\r\n\t\r\n\0\n\r", 9), 2},
      {"no tab among CR LF", "\r\n", 0},
      {"only byte 9 counts", "\x89\x0b\x09\x19", 1},
      {"Ctrl-Z inside", "a\t\x1a\t\t", 1},
      {"Ctrl-Z first", "\x1a\t\t\t", 0},
      {"Ctrl-Z last", "\t\t\x1a", 2},
      {"tabs across the block boundary", Placed(2 * block, {{block - 1, '\t'}, {block, '\t'}}), 2},
      {"Ctrl-Z opens the second block",
       Placed(2 * block, {{0, '\t'}, {block, '\x1a'}, {block + 1, '\t'}}), 1},
      {"Ctrl-Z closes the first block", Placed(block + 5, {{block - 1, '\x1a'}, {block, '\t'}}), 0},
      {"exactly one block", Placed(block, {{block - 1, '\t'}}), 1},
      {"exactly two blocks", Placed(2 * block, {{2 * block - 1, '\t'}}), 1},
  };
  TempDir dir;
  for (const Case& c : cases) EXPECT_EQ(Tally(dir, c.bytes), c.tabs) << c.what;
}

TEST(TallyTabs, MissingFileRaisesFileNotFoundWithTheCountAtZero) {
  TempDir dir;
  std::int64_t count = 99;
  try {
    QuintrelU::TallyTabs(dir.Join("gone.txt"), count);
    FAIL() << "no error raised";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), 2);
    EXPECT_EQ(error.Message(), "File not found");
  }
  EXPECT_EQ(count, 0);
}

TEST(TallyTabs, ReadsAPipeToItsEnd) {
  // /dev/stdin may be anything under a test runner; a pipe of our own is certain.
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "\t\t\t", 3), 3);
  close(fds[1]);
  std::int64_t count = 0;
  EXPECT_TRUE(QuintrelU::TallyTabs("/proc/self/fd/" + std::to_string(fds[0]), count));
  close(fds[0]);
  EXPECT_EQ(count, 3);
}

TEST(TextReader, AsksNoMoreOfTheSystemOnceAtTheEnd) {
  TempDir dir;
  TextReader reader(dir.WriteFile("f", "abc"));
  ASSERT_EQ(reader.Open(), 0);
  int code = -1;
  EXPECT_EQ(reader.ReadBlock(&code).size, 3u);
  EXPECT_EQ(reader.ReadBlock(&code).size, 0u);
  dir.WriteFile("f", "abcdef");  // grows after the end was seen
  EXPECT_EQ(reader.ReadBlock(&code).size, 0u);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(reader.Close(), 0);
}

}  // namespace
