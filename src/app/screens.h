// The usage and help screens.
#pragma once

/// Writes the usage screen; with halt set, then halts with exit code 2.
void ShowUsage(bool halt);

/// Writes the usage screen and the switches, then halts with exit code 2.
[[noreturn]] void ShowHelp();
