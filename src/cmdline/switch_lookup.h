// The switch lookup: the view of the command line that decides whether a switch is present.
// It reads the raw command line afresh on every call and never consults the parameter list.
#pragma once

#include <string>

namespace SwitchLookup {

/// The arguments after the program's name: blanks separate them; a double-quoted section keeps
/// its blanks and joins what stands next to it; a pair of double quotes where an argument would
/// start is passed over; commas are ordinary characters.
int ParamCount(const std::string& raw_command_line);

/// Argument index, 0 being the program's name; empty past the last one.
std::string ParamStr(const std::string& raw_command_line, int index);

/// Whether an argument from 1 to ParamCount is "-" or "/" followed by exactly name, case ignored.
bool FindCmdLineSwitch(const std::string& raw_command_line, const std::string& name);

/// The same, on the process's own command line.
bool FindCmdLineSwitch(const std::string& name);

}  // namespace SwitchLookup
