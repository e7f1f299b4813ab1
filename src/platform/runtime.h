// The runtime under the program's units: start-up, standard output, halt and the failure report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/unit_table.h"

namespace Runtime {

/// The exit code of a run that failed, and of one that could not start.
constexpr int kExitFailure = 2;
constexpr int kExitStartUpFailure = 217;

/// The raw command line, taken once at start-up.
const std::string& RawCommandLine();

/// The arguments after the program's name as the C runtime passed them, seen in place.
const std::vector<std::string_view>& Arguments();

/// Writes text and the line end to standard output, then makes the I/O test.
void WriteLine(std::string_view text);

/// Runs shut-down and ends the process with exit_code; output that shut-down cannot write out
/// gets the failure report and kExitFailure instead.
[[noreturn, gnu::noinline]] void Halt(int exit_code);

/// The runtime's own units, first in every program's unit table: System takes the raw command
/// line and writes out standard output at shut-down; SysUtils holds the failure report's hook.
extern const Unit kSystemUnit;
extern const Unit kSysUtilsUnit;

/// The whole run: start-up, the main block, and the outermost handler. An error that escapes
/// start-up gives the start-up failure line and kExitStartUpFailure; one that escapes the main
/// block gives the failure report and kExitFailure.
[[noreturn]] void Run(int argc, char** argv, const Unit* units, std::size_t unit_count,
                      void (*main_block)());

}  // namespace Runtime
