#include "platform/os/file.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

os::FileHandle FromHandle(HANDLE handle) {
  return reinterpret_cast<os::FileHandle>(handle);
}

// ReadFile answers a pipe whose writer has gone with ERROR_BROKEN_PIPE; the text ends there, as
// it does at a file's end.
TEST(FileWin32, APipeWhoseWriterHasGoneReadsAsItsEnd) {
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  ASSERT_TRUE(CreatePipe(&read_end, &write_end, nullptr, 0));
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(write_end, "a\tb", 3, &written, nullptr));
  CloseHandle(write_end);

  char buffer[16];
  std::uint32_t count = 0;
  EXPECT_EQ(os::ReadFromFile(FromHandle(read_end), buffer, sizeof buffer, &count), 0);
  EXPECT_EQ(count, 3u);
  count = 99;
  EXPECT_EQ(os::ReadFromFile(FromHandle(read_end), buffer, sizeof buffer, &count), 0);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(os::CloseFile(FromHandle(read_end)), 0);
}

TEST(FileWin32, OtherReadFailuresKeepTheirCode) {
  char buffer[16];
  std::uint32_t count = 99;
  EXPECT_EQ(os::ReadFromFile(FromHandle(INVALID_HANDLE_VALUE), buffer, sizeof buffer, &count),
            ERROR_INVALID_HANDLE);
  EXPECT_EQ(count, 0u);
}

}  // namespace
