#include "platform/os/argv_line.h"
#include "platform/os/command_line.h"

namespace os {

std::string TakeRawCommandLine(int argc, char** argv) {
  return JoinArgumentsAsCommandLine(argc, argv);
}

// UTF-8 needs no stepping by character: no byte of a multi-byte character is a blank, a comma or
// a double quote.
const char* NextCharacter(const char* p) {
  return *p == '\0' ? p : p + 1;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::string_view::size_type i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

const bool kArgumentsComeApart = true;
const char* const kLongHelpArgument = "--help";
const bool kLowerSwitchItems = false;

}  // namespace os
