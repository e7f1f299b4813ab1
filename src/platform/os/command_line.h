// The process's raw command line and the text rules that read it.
#pragma once

#include <string>
#include <string_view>

namespace os {

/// A blank separates arguments: any byte from 1 to 32. Bytes 128 to 255 never are.
inline bool IsBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 1 && byte <= 32;
}

/// The whole command line as one text, the program's name first. Windows hands it over as typed;
/// POSIX forms it from argv (JoinArgumentsAsCommandLine).
std::string TakeRawCommandLine(int argc, char** argv);

/// The start of the character after the one at p, in the ANSI code page; p itself at the end.
const char* NextCharacter(const char* p);

/// Whole-text equality with letter case ignored.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

/// Whether the system passes the arguments apart (POSIX argv), so that the switch lookup takes
/// each as it was passed; Windows passes only the raw line.
extern const bool kArgumentsComeApart;

/// The argument that asks for help in this system's own convention, or null.
extern const char* const kLongHelpArgument;

/// Whether the parameter list lowers its switch items. POSIX file names are case-sensitive and
/// every absolute path begins with "/", so lowering would name files that do not exist.
extern const bool kLowerSwitchItems;

}  // namespace os
