#include "cmdline/switch_lookup.h"

#include "platform/os/command_line.h"
#include "platform/runtime.h"

namespace SwitchLookup {
namespace {

const char* SkipSeparators(const char* p) {
  for (;;) {
    while (os::IsBlank(*p)) p = os::NextCharacter(p);
    if (p[0] != '"' || p[1] != '"') return p;
    p += 2;
  }
}

const char* TakeCharacter(const char* p, std::string* argument) {
  const char* next = os::NextCharacter(p);
  argument->append(p, next);
  return next;
}

// An argument runs to the next blank outside double quotes; the quotes themselves are dropped.
const char* ReadArgument(const char* p, std::string* argument) {
  argument->clear();
  p = SkipSeparators(p);
  while (*p != '\0' && !os::IsBlank(*p)) {
    if (*p != '"') {
      p = TakeCharacter(p, argument);
      continue;
    }
    ++p;
    while (*p != '\0' && *p != '"') p = TakeCharacter(p, argument);
    if (*p == '"') ++p;
  }
  return p;
}

bool IsSwitch(std::string_view argument, const std::string& name) {
  if (argument.empty() || (argument.front() != '-' && argument.front() != '/')) return false;
  return os::SameTextIgnoringCase(argument.substr(1), name);
}

}  // namespace

int ParamCount(const std::string& raw_command_line) {
  std::string argument;
  const char* p = ReadArgument(raw_command_line.c_str(), &argument);
  int count = 0;
  for (;;) {
    p = ReadArgument(p, &argument);
    if (argument.empty()) return count;
    ++count;
  }
}

std::string ParamStr(const std::string& raw_command_line, int index) {
  std::string argument;
  const char* p = raw_command_line.c_str();
  for (int i = 0; i <= index; ++i) p = ReadArgument(p, &argument);
  return argument;
}

bool FindCmdLineSwitch(const std::string& raw_command_line, const std::string& name) {
  std::string argument;
  const char* p = ReadArgument(raw_command_line.c_str(), &argument);
  for (;;) {
    p = ReadArgument(p, &argument);
    if (argument.empty()) return false;
    if (IsSwitch(argument, name)) return true;
  }
}

bool FindSwitchAmong(const std::vector<std::string_view>& arguments, const std::string& name) {
  for (std::string_view argument : arguments) {
    if (IsSwitch(argument, name)) return true;
  }
  return false;
}

bool FindCmdLineSwitch(const std::string& name) {
  if (os::kArgumentsComeApart) return FindSwitchAmong(Runtime::Arguments(), name);
  return FindCmdLineSwitch(Runtime::RawCommandLine(), name);
}

bool FindLongHelp() {
  if (os::kLongHelpArgument == nullptr) return false;
  const std::string_view help = os::kLongHelpArgument;
  for (std::string_view argument : Runtime::Arguments()) {
    if (argument == help) return true;
  }
  return false;
}

}  // namespace SwitchLookup
