// Process-wide start and end, and what the failure report tells of where an error arose.
#pragma once

#include <cstdint>
#include <string>

namespace os {

/// Makes a failed write an error code rather than a signal that ends the run, and keeps the run
/// from waiting on any dialog.
void PrepareProcess();

[[noreturn]] void ExitProcess(int exit_code);

/// How many processors this process may run on (its affinity), at least 1.
unsigned ProcessorCount();

struct CodeLocation {
  std::string module_name;  // the module's file name without its directory
  std::uint32_t offset;     // from the start of that module
};

CodeLocation LocateCode(const void* address);

/// The failure report's text in the console's code page.
std::string ToOemText(std::string text);

}  // namespace os
