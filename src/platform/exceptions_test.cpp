#include "platform/exceptions.h"

#include <gtest/gtest.h>

namespace Runtime {
namespace {

TEST(InOutError, TakesItsMessageFromTheErrorTable) {
  struct Case {
    int code;
    const char* message;
  };
  const Case cases[] = {
      {2, "File not found"},
      {3, "Invalid filename"},
      {4, "Too many open files"},
      {5, "File access denied"},
      {100, "Read beyond end of file"},
      {101, "Disk full"},
      {106, "Invalid numeric input"},
      {32, "I/O error 32"},
      {1117, "I/O error 1117"},
      {-7, "I/O error -7"},
  };
  for (const Case& c : cases) {
    const EInOutError error(c.code);
    EXPECT_EQ(error.Message(), c.message) << c.code;
    EXPECT_EQ(error.ErrorCode(), c.code);
    EXPECT_STREQ(error.ClassName(), "EInOutError");
  }
}

TEST(InOutError, TheIoTestRaisesOnlyForAFailure) {
  EXPECT_NO_THROW(IoCheck(0));
  try {
    IoCheck(5);
    FAIL() << "no error raised";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), 5);
    EXPECT_NE(error.Address(), nullptr) << "the failure report needs where it was raised";
  }
}

}  // namespace
}  // namespace Runtime
