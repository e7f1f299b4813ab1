// The switch lookup: the view of the command line that decides whether a switch is present.
// It reads the command line afresh on every call and never consults the parameter list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace SwitchLookup {

/// The arguments after the program's name: blanks separate them; a double-quoted section keeps
/// its blanks and joins what stands next to it; a pair of double quotes where an argument would
/// start is passed over; commas are ordinary characters.
int ParamCount(const std::string& raw_command_line);

/// Argument index, 0 being the program's name; empty past the last one.
std::string ParamStr(const std::string& raw_command_line, int index);

/// Whether an argument from 1 to ParamCount is "-" or "/" followed by exactly name, case
/// ignored. One pass over the line.
bool FindCmdLineSwitch(const std::string& raw_command_line, const std::string& name);

/// The same among arguments that the system passed apart.
bool FindSwitchAmong(const std::vector<std::string_view>& arguments, const std::string& name);

/// The same, on the process's own command line: the raw line where the system passes only that
/// (Windows), otherwise each argument exactly as it was passed (POSIX argv).
bool FindCmdLineSwitch(const std::string& name);

/// Whether the system's own way of asking for help ("--help" on POSIX, none on Windows) stands
/// as a whole argument.
bool FindLongHelp();

}  // namespace SwitchLookup
