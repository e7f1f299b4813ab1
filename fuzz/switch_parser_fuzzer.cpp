// The switch lookup's argument parser, and the lookup checked against its arguments.
#include <cstdint>
#include <string>
#include <vector>

#include "check.h"
#include "cmdline/switch_lookup.h"

namespace {

bool IsSwitch(const std::string& argument, const std::string& name) {
  if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) return false;
  if (argument.size() - 1 != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    if (lower(argument[i + 1]) != lower(name[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The raw command line is a C text: it ends at its first NUL.
  const std::string raw(reinterpret_cast<const char*>(data), size);
  const std::string text = raw.substr(0, raw.find('\0'));

  const int count = SwitchLookup::ParamCount(raw);
  FUZZ_CHECK(count >= 0);
  FUZZ_CHECK(static_cast<std::size_t>(count) <= text.size());
  std::vector<std::string> arguments;
  for (int i = 1; i <= count; ++i) {
    arguments.push_back(SwitchLookup::ParamStr(raw, i));
    FUZZ_CHECK(!arguments.back().empty());
    FUZZ_CHECK(arguments.back().find('"') == std::string::npos);
  }
  FUZZ_CHECK(SwitchLookup::ParamStr(raw, count + 1).empty());

  for (const std::string name : {"Q", "?", "q"}) {
    bool expected = false;
    for (const std::string& argument : arguments) expected = expected || IsSwitch(argument, name);
    FUZZ_CHECK(SwitchLookup::FindCmdLineSwitch(raw, name) == expected);
  }
  return 0;
}
