// The usage and help screens.
#pragma once

/// Writes the usage screen; with halt set, then halts with ConstU::kExitError.
void ShowUsage(bool halt);

/// Writes the usage screen and the switches, then halts with ConstU::kExitError.
[[noreturn]] void ShowHelp();
