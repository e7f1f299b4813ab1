#include <windows.h>

#include "platform/os/command_line.h"

// The command line is read whole from GetCommandLineA; the C runtime must not glob argv.
extern "C" {
int _dowildcard = 0;
}

namespace os {

std::string TakeRawCommandLine(int, char**) {
  return GetCommandLineA();
}

const char* NextCharacter(const char* p) {
  return CharNextA(p);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

const bool kArgumentsComeApart = false;
const char* const kLongHelpArgument = nullptr;
const bool kLowerSwitchItems = true;

}  // namespace os
