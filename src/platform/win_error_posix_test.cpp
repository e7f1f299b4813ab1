#include "platform/win_error_posix.h"

#include <cerrno>

#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace {

TEST(WindowsErrorFromErrno, MapsToTheCodesTheErrorTableKnows) {
  struct Case {
    int error;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {ENOENT, 2, "File not found"},      {ENOTDIR, 3, "Invalid filename"},
      {EMFILE, 4, "Too many open files"}, {ENFILE, 4, "Too many open files"},
      {EACCES, 5, "File access denied"},  {EPERM, 5, "File access denied"},
      {EISDIR, 5, "File access denied"},  {ENOSPC, 112, "I/O error 112"},
      {EFBIG, 223, "I/O error 223"},      {EPIPE, 109, "I/O error 109"},
      {EIO, 1117, "I/O error 1117"},      {ENAMETOOLONG, 206, "I/O error 206"},
      {ELOOP, 1921, "I/O error 1921"},    {EXDEV, 31, "I/O error 31"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::WindowsErrorFromErrno(c.error), c.code) << c.error;
    EXPECT_EQ(InOutErrorMessage(c.code), c.message) << c.error;
  }
}

TEST(InOutErrorMessage, CoversEveryRowOfTheTable) {
  EXPECT_EQ(InOutErrorMessage(100), "Read beyond end of file");
  EXPECT_EQ(InOutErrorMessage(101), "Disk full");
  EXPECT_EQ(InOutErrorMessage(106), "Invalid numeric input");
  EXPECT_EQ(InOutErrorMessage(-7), "I/O error -7");
  const EInOutError error(32);
  EXPECT_EQ(error.ErrorCode(), 32);
  EXPECT_EQ(error.Message(), "I/O error 32");
}

}  // namespace
