#include "cmdline/switch_lookup.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Arguments(const std::string& raw) {
  std::vector<std::string> arguments;
  const int count = SwitchLookup::ParamCount(raw);
  for (int i = 1; i <= count; ++i) arguments.push_back(SwitchLookup::ParamStr(raw, i));
  return arguments;
}

TEST(SwitchLookup, ReadsArgumentsAndFindsSwitchesByItsOwnRules) {
  struct Case {
    std::string raw;
    std::vector<std::string> arguments;
    bool help;
    bool quiet;
  };
  const Case cases[] = {
      {"Quintrel notes.txt /q", {"notes.txt", "/q"}, false, true},
      {"Quintrel notes.txt -Q", {"notes.txt", "-Q"}, false, true},
      {"Quintrel notes.txt /Qx", {"notes.txt", "/Qx"}, false, false},
      {"Quintrel notes.txt,/q", {"notes.txt,/q"}, false, false},
      {"Quintrel \"notes.txt /q\"", {"notes.txt /q"}, false, false},
      {"Quintrel notes.txt \"\" /q", {"notes.txt", "/q"}, false, true},
      {"Quintrel /?", {"/?"}, true, false},
      {"Quintrel notes.txt /?", {"notes.txt", "/?"}, true, false},
      {"Quintrel notes.txt -?", {"notes.txt", "-?"}, true, false},
      {"Quintrel notes.txt ?", {"notes.txt", "?"}, false, false},
      {"Quintrel notes.txt \"/Q\"", {"notes.txt", "/Q"}, false, true},
      {"Quintrel notes.txt /\"q\"", {"notes.txt", "/q"}, false, true},
      {"Quintrel notes.txt \"/q ", {"notes.txt", "/q "}, false, false},
      {"Quintrel notes.txt //q", {"notes.txt", "//q"}, false, false},
      {"Quintrel notes.txt /", {"notes.txt", "/"}, false, false},
      {"Quintrel notes.txt\t/q", {"notes.txt", "/q"}, false, true},
      {"\"Tool Box\\Quintrel\" notes.txt /q", {"notes.txt", "/q"}, false, true},
      {"Quintrel notes.txt \"", {"notes.txt"}, false, false},
      {"Quintrel notes.txt \"\"\"\"", {"notes.txt"}, false, false},
      {"Quintrel notes.txt \"\"\"\"\"", {"notes.txt"}, false, false},
      {"Quintrel a\"\"b a\"b c\"d \"\"/q", {"ab", "ab cd", "/q"}, false, true},
      {"/q", {}, false, false},
      {"Quintrel", {}, false, false},
      {"", {}, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Arguments(c.raw), c.arguments) << "raw: [" << c.raw << "]";
    EXPECT_EQ(SwitchLookup::FindCmdLineSwitch(c.raw, "?"), c.help) << "raw: [" << c.raw << "]";
    EXPECT_EQ(SwitchLookup::FindCmdLineSwitch(c.raw, "Q"), c.quiet) << "raw: [" << c.raw << "]";
  }
}

TEST(SwitchLookup, ArgumentsPassedApartAreSwitchesOnlyAsAWhole) {
  struct Case {
    std::vector<std::string_view> arguments;
    bool quiet;
  };
  const Case cases[] = {
      {{"notes.txt", "/Q"}, true},      {{"notes.txt", "-q"}, true},
      {{"/q", "notes.txt"}, true},      {{"notes.txt", "\"/q\""}, false},
      {{"notes.txt", "/q\"\""}, false}, {{"notes.txt", "\"\"-Q"}, false},
      {{"notes.txt", "/q "}, false},    {{"notes.txt", ""}, false},
      {{"notes.txt", "/"}, false},      {{}, false},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (std::string_view argument : c.arguments) shown += " [" + std::string(argument) + "]";
    EXPECT_EQ(SwitchLookup::FindSwitchAmong(c.arguments, "Q"), c.quiet) << shown;
  }
}

TEST(SwitchLookup, ArgumentZeroIsTheProgramsNameWithoutQuotes) {
  EXPECT_EQ(SwitchLookup::ParamStr("\"Tool Box\\Quintrel\" notes.txt", 0), "Tool Box\\Quintrel");
  EXPECT_EQ(SwitchLookup::ParamStr("Quintrel notes.txt", 2), "");
}

}  // namespace
