#include "scan/tally_tabs.h"

#include <unistd.h>

#include <csignal>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/text_reader.h"
#include "temp_dir.h"

namespace {

// A pipe hands over what its writer wrote, a file whole blocks: both must count alike.
std::int64_t TallyFile(const TempDir& dir, const std::string& bytes) {
  const std::string file = dir.WriteFile("text", bytes);
  std::int64_t count = -1;
  EXPECT_TRUE(QuintrelU::TallyTabs(file, count));
  return count;
}

std::int64_t TallyPipe(const std::string& bytes) {
  // The count may stop at a Ctrl-Z before the writer is done: its write then fails, quietly.
  signal(SIGPIPE, SIG_IGN);
  int fds[2];
  EXPECT_EQ(pipe(fds), 0);
  std::thread writer([&] {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fds[1], bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    close(fds[1]);
  });
  std::int64_t count = -1;
  EXPECT_TRUE(QuintrelU::TallyTabs("/proc/self/fd/" + std::to_string(fds[0]), count));
  close(fds[0]);
  writer.join();
  return count;
}

// n bytes of x with the given bytes placed at the given offsets.
std::string Placed(std::size_t n, std::initializer_list<std::pair<std::size_t, char>> bytes) {
  std::string text(n, 'x');
  for (const auto& [offset, byte] : bytes) text[offset] = byte;
  return text;
}

struct Case {
  const char* what;
  std::string bytes;
  std::int64_t tabs;
};

std::vector<Case> CasesAtBlockEdge(std::size_t block) {
  return {
      {"tabs either side of the edge", Placed(2 * block, {{block - 1, '\t'}, {block, '\t'}}), 2},
      {"Ctrl-Z opens the second block",
       Placed(2 * block, {{0, '\t'}, {block, '\x1a'}, {block + 1, '\t'}}), 1},
      {"Ctrl-Z closes the first block", Placed(block + 5, {{block - 1, '\x1a'}, {block, '\t'}}), 0},
      {"exactly one block", Placed(block, {{block - 1, '\t'}}), 1},
      {"exactly two blocks", Placed(2 * block, {{2 * block - 1, '\t'}}), 1},
  };
}

TEST(TallyTabs, CountsExactlyTheTabsBeforeTheFirstCtrlZ) {
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
  };
  TempDir dir;
  for (const Case& c : cases) {
    EXPECT_EQ(TallyFile(dir, c.bytes), c.tabs) << c.what;
    EXPECT_EQ(TallyPipe(c.bytes), c.tabs) << c.what << ", through a pipe";
  }
}

TEST(TallyTabs, BlockEdgesChangeNothing) {
  TempDir dir;
  for (const Case& c : CasesAtBlockEdge(Runtime::TextReader::kBlockSize)) {
    EXPECT_EQ(TallyFile(dir, c.bytes), c.tabs) << c.what;
    EXPECT_EQ(TallyPipe(c.bytes), c.tabs) << c.what << ", through a pipe";
  }
}

TEST(TallyTabs, MissingFileRaisesFileNotFoundWithTheCountAtZero) {
  TempDir dir;
  std::int64_t count = 99;
  try {
    QuintrelU::TallyTabs(dir.Join("gone.txt"), count);
    FAIL() << "no error raised";
  } catch (const Runtime::EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), 2);
    EXPECT_EQ(error.Message(), "File not found");
  }
  EXPECT_EQ(count, 0);
}

}  // namespace
