#include "platform/argv_line.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cmdline/parameter_list.h"

namespace {

TEST(ArgvLine, QuotesOnlyWhatTheItemSplitWouldCut) {
  const char* argv[] = {"quintrel", "notes.txt", "my notes.txt", "", "a,b", "say \"hi\"", "/Q"};
  EXPECT_EQ(platform::JoinArgumentsAsCommandLine(7, argv),
            "quintrel notes.txt \"my notes.txt\" \"\" \"a,b\" \"say \"\"hi\"\"\" /Q");
}

TEST(ArgvLine, EveryArgvComesBackAsTheSameItems) {
  const std::vector<std::vector<std::string>> argvs = {
      {""},
      {"", ""},
      {"quintrel", "notes.txt"},
      {"/usr/bin/quintrel", "\"", "\"\"", "a\"b", "\"quoted\""},
      {"quintrel", ",", ",,", " ", "\t", "\r\n", "x,", ",x"},
      {"quintrel", "caf\xC3\xA9.txt", "\x80\xFF", "back\\slash\\"},
      {"quintrel", "-Notes.TXT", "/Q", "a b \" c"},
  };
  for (const auto& words : argvs) {
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    const std::string raw =
        platform::JoinArgumentsAsCommandLine(static_cast<int>(argv.size()), argv.data());
    TStringList list;
    ParmU::BuildParameterList(raw, false, &list);
    EXPECT_EQ(list.Items(), words) << "raw: [" << raw << "]";
  }
}

}  // namespace
