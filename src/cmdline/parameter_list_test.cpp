#include "cmdline/parameter_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Items(const std::string& raw, bool lower) {
  Runtime::TStringList list;
  ParmU::BuildParameterList(raw, lower, &list);
  return list.Items();
}

struct SplitCase {
  std::string raw;
  std::vector<std::string> lowered;        // items with switch items lowered
  std::vector<std::string> as_given = {};  // empty: the same as lowered
};

const SplitCase kCases[] = {
    {"Quintrel", {"Quintrel"}},
    {"Quintrel notes.txt", {"Quintrel", "notes.txt"}},
    {"Quintrel notes.txt /Q", {"Quintrel", "notes.txt", "/q"}, {"Quintrel", "notes.txt", "/Q"}},
    {"Quintrel notes.txt -Q", {"Quintrel", "notes.txt", "-q"}, {"Quintrel", "notes.txt", "-Q"}},
    {"Quintrel /Q notes.txt", {"Quintrel", "/q", "notes.txt"}, {"Quintrel", "/Q", "notes.txt"}},
    {"\"C:\\Tool Box\\Quintrel.exe\" \"C:\\My Files\\notes.txt\" /Q",
     {"C:\\Tool Box\\Quintrel.exe", "C:\\My Files\\notes.txt", "/q"},
     {"C:\\Tool Box\\Quintrel.exe", "C:\\My Files\\notes.txt", "/Q"}},
    {"C:\\Tool Box\\Quintrel.exe notes.txt", {"C:\\Tool", "Box\\Quintrel.exe", "notes.txt"}},
    {"/Tools/Quintrel.exe notes.txt",
     {"/tools/quintrel.exe", "notes.txt"},
     {"/Tools/Quintrel.exe", "notes.txt"}},
    {"Quintrel My Notes.txt", {"Quintrel", "My", "Notes.txt"}},
    {"Quintrel notes.txt,/q", {"Quintrel", "notes.txt", "/q"}},
    {"Quintrel \"old,new.txt\"", {"Quintrel", "old,new.txt"}},
    {"Quintrel a,b", {"Quintrel", "a", "b"}},
    {"Quintrel a,", {"Quintrel", "a", ""}},
    {"Quintrel a ,", {"Quintrel", "a", ""}},
    {"Quintrel a, ", {"Quintrel", "a"}},
    {"Quintrel a,,b", {"Quintrel", "a", "", "b"}},
    {"Quintrel a , , b", {"Quintrel", "a", "", "b"}},
    {"Quintrel ,a", {"Quintrel", "a"}},
    {",a", {"", "a"}},
    {"Quintrel ,", {"Quintrel", ""}},
    {"Quintrel ,,", {"Quintrel", "", ""}},
    {"Quintrel \"a\"\"b\"", {"Quintrel", "a\"b"}},
    {"Quintrel \"\"\"\"", {"Quintrel", "\""}},
    {"Quintrel \"a\"\",b\"", {"Quintrel", "a\",b"}},
    {"Quintrel \"abc\"def", {"Quintrel", "abc", "def"}},
    {"Quintrel \"a b\"c d", {"Quintrel", "a b", "c", "d"}},
    {"Quintrel ab\"cd ef\"", {"Quintrel", "ab\"cd", "ef\""}},
    {"Quintrel \"my notes.txt", {"Quintrel", "my notes.txt"}},
    {"Quintrel \"a\"\"b", {"Quintrel", "a\"b"}},
    {"Quintrel \"\"", {"Quintrel", ""}},
    {"Quintrel notes.txt \"\" /q", {"Quintrel", "notes.txt", "", "/q"}},
    {"Quintrel \"", {"Quintrel", ""}},
    {"Quintrel \"a\" \"", {"Quintrel", "a", ""}},
    {"   Quintrel   notes.txt   ", {"Quintrel", "notes.txt"}},
    {"Quintrel\tnotes.txt\t/Q", {"Quintrel", "notes.txt", "/q"}, {"Quintrel", "notes.txt", "/Q"}},
    {"Quintrel notes.txt\r\n", {"Quintrel", "notes.txt"}},
    {"Quintrel -Notes.TXT", {"Quintrel", "-notes.txt"}, {"Quintrel", "-Notes.TXT"}},
    {"Quintrel \"/Q\"", {"Quintrel", "/q"}, {"Quintrel", "/Q"}},
    {"Quintrel /Q:File.TXT", {"Quintrel", "/q:file.txt"}, {"Quintrel", "/Q:File.TXT"}},
    {"Quintrel /?", {"Quintrel", "/?"}},
    {"Quintrel /\xC4\xD6X", {"Quintrel", "/\xC4\xD6x"}, {"Quintrel", "/\xC4\xD6X"}},
    {"Quintrel notes.txt;x", {"Quintrel", "notes.txt;x"}},
    {"", {}},
    {" \t\r\n", {}},
    {std::string("Quintrel a\0b", 12), {"Quintrel", "a"}},
};

TEST(ParameterList, SplitsAndLowersEveryRawCommandLine) {
  for (const SplitCase& c : kCases) {
    EXPECT_EQ(Items(c.raw, true), c.lowered) << "raw: [" << c.raw << "]";
    const auto& as_given = c.as_given.empty() ? c.lowered : c.as_given;
    EXPECT_EQ(Items(c.raw, false), as_given) << "raw: [" << c.raw << "]";
  }
}

}  // namespace
