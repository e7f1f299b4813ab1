#include <windows.h>

#include "platform/command_line.h"

namespace platform {

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

const bool kLowerSwitchItems = true;

}  // namespace platform
