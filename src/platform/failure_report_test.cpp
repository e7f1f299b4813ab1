#include "platform/failure_report.h"

#include <gtest/gtest.h>

#include "platform/os/file.h"

namespace Runtime {
namespace {

TEST(FailureReport, NamesClassModuleOffsetAndMessageWithOnePeriod) {
  const os::CodeLocation location = {"quintrel", 0x1A2B};
  EXPECT_EQ(FormatFailureReport(EInOutError(32), location),
            std::string("Exception EInOutError in module quintrel at 00001A2B.") + os::kLineEnd +
                "I/O error 32." + os::kLineEnd);
  EXPECT_EQ(FormatFailureReport(Exception("Ends with one."), location),
            std::string("Exception Exception in module quintrel at 00001A2B.") + os::kLineEnd +
                "Ends with one." + os::kLineEnd);
  EXPECT_EQ(FormatFailureReport(Exception(""), location),
            std::string("Exception Exception in module quintrel at 00001A2B.") + os::kLineEnd +
                os::kLineEnd);
}

TEST(FailureReport, StartUpLineHasTheExitCodeEndingInColumn17) {
  const std::string line = FormatStartUpFailureLine(217, 0xABC);
  EXPECT_EQ(line, "Runtime error 217 at 00000ABC");
  EXPECT_EQ(line.size(), 29u);
}

}  // namespace
}  // namespace Runtime
