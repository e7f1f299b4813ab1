// On POSIX the raw command line is formed from argv; the item split must give every argument back.
#include "cmdline/parameter_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/os/argv_line.h"

namespace {

TEST(ParameterListFromArgv, EveryArgvComesBackAsTheSameItems) {
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
        os::JoinArgumentsAsCommandLine(static_cast<int>(argv.size()), argv.data());
    Runtime::TStringList list;
    ParmU::BuildParameterList(raw, false, &list);
    EXPECT_EQ(list.Items(), words) << "raw: [" << raw << "]";
  }
}

}  // namespace
