// The texts that end a run that an error escaped from.
#pragma once

#include <cstdint>
#include <string>

#include "platform/exceptions.h"
#include "platform/os/process.h"

namespace Runtime {

/// "Exception <class> in module <module> at <offset>.", then the message with a "." added when
/// it does not end in one; each followed by the line end.
std::string FormatFailureReport(const Exception& error, const os::CodeLocation& location);

/// "Runtime error 217 at <offset>", the exit code's last digit in column 17.
std::string FormatStartUpFailureLine(int exit_code, std::uint32_t offset);

}  // namespace Runtime
