// The parameter list's item split, the POSIX raw command line formed from argv, and the POSIX
// switch lookup over that argv.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "cmdline/parameter_list.h"
#include "cmdline/switch_lookup.h"
#include "platform/os/argv_line.h"

namespace {

std::vector<std::string> Items(const std::string& raw, bool lower) {
  Runtime::TStringList list;
  ParmU::BuildParameterList(raw, lower, &list);
  return list.Items();
}

bool IsSwitchItem(const std::string& item) {
  return !item.empty() && (item[0] == '/' || item[0] == '-');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);

  const std::vector<std::string> as_given = Items(input, false);
  const std::vector<std::string> lowered = Items(input, true);
  FUZZ_CHECK(as_given.size() == lowered.size());
  FUZZ_CHECK(as_given.size() <= input.size() + 1);
  for (std::size_t i = 0; i < as_given.size(); ++i) {
    FUZZ_CHECK(as_given[i].find('\0') == std::string::npos);
    if (IsSwitchItem(as_given[i])) {
      FUZZ_CHECK(lowered[i] == ParmU::LowerSwitchItem(as_given[i]));
      for (char c : lowered[i]) FUZZ_CHECK(c < 'A' || c > 'Z');
    } else {
      FUZZ_CHECK(lowered[i] == as_given[i]);
    }
  }

  // The input's NUL bytes cut it into an argv, which must come back as the same items.
  std::vector<std::string> words(1);
  for (char c : input) {
    if (c == '\0') {
      words.emplace_back();
    } else {
      words.back().push_back(c);
    }
  }
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  const std::string raw =
      os::JoinArgumentsAsCommandLine(static_cast<int>(argv.size()), argv.data());
  FUZZ_CHECK(Items(raw, false) == words);

  // The POSIX switch lookup reads that same argv: a switch is an argument spelt exactly so.
  const std::vector<std::string_view> arguments(words.begin() + 1, words.end());
  const auto any_of = [&](std::initializer_list<const char*> spellings) {
    for (std::string_view argument : arguments) {
      for (const char* spelling : spellings) {
        if (argument == spelling) return true;
      }
    }
    return false;
  };
  FUZZ_CHECK(SwitchLookup::FindSwitchAmong(arguments, "Q") == any_of({"/Q", "-Q", "/q", "-q"}));
  FUZZ_CHECK(SwitchLookup::FindSwitchAmong(arguments, "?") == any_of({"/?", "-?"}));
  return 0;
}
