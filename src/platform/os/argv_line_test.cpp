#include "platform/os/argv_line.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(ArgvLine, QuotesOnlyWhatTheItemSplitWouldCut) {
  const char* argv[] = {"quintrel", "notes.txt", "my notes.txt", "", "a,b", "say \"hi\"", "/Q"};
  EXPECT_EQ(os::JoinArgumentsAsCommandLine(7, argv),
            "quintrel notes.txt \"my notes.txt\" \"\" \"a,b\" \"say \"\"hi\"\"\" /Q");
}

}  // namespace
