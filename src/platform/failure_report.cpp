#include "platform/failure_report.h"

#include <cstdio>

#include "platform/os/file.h"

namespace Runtime {

std::string FormatFailureReport(const Exception& error, const os::CodeLocation& location) {
  char offset[9];
  std::snprintf(offset, sizeof offset, "%08X", static_cast<unsigned>(location.offset));
  const std::string& message = error.Message();
  const bool add_period = !message.empty() && message.back() != '.';
  return std::string("Exception ") + error.ClassName() + " in module " + location.module_name +
         " at " + offset + "." + os::kLineEnd + message + (add_period ? "." : "") + os::kLineEnd;
}

std::string FormatStartUpFailureLine(int exit_code, std::uint32_t offset) {
  char line[64];
  std::snprintf(line, sizeof line, "Runtime error %3d at %08X", exit_code,
                static_cast<unsigned>(offset));
  return line;
}

}  // namespace Runtime
