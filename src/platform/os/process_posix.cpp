#include <sched.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "platform/os/process.h"

// Set by the GNU and LLVM linkers at the first byte of the executable's image.
extern "C" const char __executable_start;

namespace os {

// A write to a closed pipe, or past the file size limit, fails with its error code (EPIPE,
// EFBIG) and ends in the failure report, instead of a signal that ends the run in silence.
void PrepareProcess() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

void ExitProcess(int exit_code) {
  std::exit(exit_code);
}

unsigned ProcessorCount() {
  cpu_set_t allowed;
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return 1;
  const int count = CPU_COUNT(&allowed);
  return count > 0 ? static_cast<unsigned>(count) : 1;
}

CodeLocation LocateCode(const void* address) {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string name = length > 0 ? std::string(path, static_cast<std::size_t>(length)) : "quintrel";
  name.erase(0, name.rfind('/') + 1);
  const auto base = reinterpret_cast<std::uintptr_t>(&__executable_start);
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  return {name, static_cast<std::uint32_t>(at >= base ? at - base : 0)};
}

// Linux consoles take the same bytes as files: no conversion.
std::string ToOemText(std::string text) {
  return text;
}

}  // namespace os
