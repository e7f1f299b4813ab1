#include <windows.h>

#include "platform/os/process.h"

namespace os {

// A batch file must never wait on a "drive not ready" or similar dialog.
void PrepareProcess() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void ExitProcess(int exit_code) {
  ::ExitProcess(static_cast<UINT>(exit_code));
}

unsigned ProcessorCount() {
  DWORD_PTR process_mask = 0;
  DWORD_PTR system_mask = 0;
  if (!GetProcessAffinityMask(GetCurrentProcess(), &process_mask, &system_mask)) return 1;
  unsigned count = 0;
  for (; process_mask != 0; process_mask &= process_mask - 1) ++count;
  return count > 0 ? count : 1;
}

CodeLocation LocateCode(const void* address) {
  MEMORY_BASIC_INFORMATION region = {};
  char path[MAX_PATH] = "";
  std::uintptr_t base = 0;
  if (address != nullptr && VirtualQuery(address, &region, sizeof region) != 0) {
    base = reinterpret_cast<std::uintptr_t>(region.AllocationBase);
    GetModuleFileNameA(static_cast<HMODULE>(region.AllocationBase), path, MAX_PATH);
  }
  if (path[0] == '\0') GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name.erase(0, name.rfind('\\') + 1);
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  return {name, static_cast<std::uint32_t>(base != 0 && at >= base ? at - base : 0)};
}

std::string ToOemText(std::string text) {
  CharToOemA(text.c_str(), &text[0]);
  return text;
}

}  // namespace os
