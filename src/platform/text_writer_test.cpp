#include "platform/text_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace Runtime {
namespace {

// The writer's openers are plain functions, so the test's handle lives here.
int g_fd = -1;
bool g_console = false;
int g_opens = 0;

int OpenTestHandle(os::FileHandle* handle, bool* write_through) {
  ++g_opens;
  if (g_fd < 0) return 105;
  *handle = g_fd;
  *write_through = g_console;
  return 0;
}

class TextWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.Join("out");
    g_fd = open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    g_console = false;
    g_opens = 0;
  }
  void TearDown() override {
    if (g_fd >= 0) close(g_fd);
  }
  std::string Written() const {
    char bytes[4096];
    const ssize_t count = pread(g_fd, bytes, sizeof bytes, 0);
    return std::string(bytes, static_cast<std::size_t>(count));
  }

  TempDir dir_;
  std::string path_;
};

TEST_F(TextWriterTest, BuffersUntilFullOrFlushed) {
  TextWriter writer(OpenTestHandle);
  writer.Write("");
  writer.EndLine();
  writer.Write("short line");
  writer.EndLine();
  EXPECT_EQ(Written(), "");
  const std::string long_text(130, 'x');
  writer.Write(long_text);
  EXPECT_EQ(Written(), "\nshort line\n" + long_text.substr(0, 116));
  EXPECT_EQ(writer.Flush(), 0);
  EXPECT_EQ(Written(), "\nshort line\n" + long_text);
  EXPECT_EQ(writer.TakeResult(), 0);
  EXPECT_EQ(g_opens, 1);
}

TEST_F(TextWriterTest, ConsoleIsWrittenThroughAtEveryLineEnd) {
  g_console = true;
  TextWriter writer(OpenTestHandle);
  writer.Write("first");
  EXPECT_EQ(Written(), "");
  writer.EndLine();
  EXPECT_EQ(Written(), "first\n");
}

TEST_F(TextWriterTest, FailedOpenDropsTheTextAndIsTriedAgain) {
  const int fd = g_fd;
  g_fd = -1;
  TextWriter writer(OpenTestHandle);
  writer.Write("lost");
  writer.EndLine();
  EXPECT_EQ(writer.TakeResult(), 105);
  EXPECT_EQ(g_opens, 1);
  g_fd = fd;
  writer.Write("kept");
  writer.EndLine();
  EXPECT_EQ(writer.Flush(), 0);
  EXPECT_EQ(writer.TakeResult(), 0);
  EXPECT_EQ(Written(), "kept\n");
}

TEST_F(TextWriterTest, FailedWriteStopsTheChannelUntilItsResultIsTaken) {
  close(g_fd);
  g_fd = open("/dev/full", O_WRONLY);
  g_console = true;
  TextWriter writer(OpenTestHandle);
  writer.Write("line");
  writer.EndLine();
  writer.Write("more");
  EXPECT_EQ(writer.TakeResult(), 112);
  EXPECT_EQ(writer.Flush(), 0) << "the failed write emptied the buffer";
  writer.Write("again");
  writer.EndLine();
  EXPECT_EQ(writer.TakeResult(), 112);
}

}  // namespace
}  // namespace Runtime
