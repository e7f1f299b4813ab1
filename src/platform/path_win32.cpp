#include <windows.h>

#include <vector>

#include "platform/path.h"

namespace platform {

// A full path longer than MAX_PATH is asked for again at the size the call needs, never read
// from beyond the buffer; the existence test then refuses it.
std::string ExpandPath(const std::string& name) {
  if (name.empty()) return {};
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetFullPathNameA(name.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length);
  }
}

// The first match of the name as a pattern: "*" and "?" act as wildcards here.
bool FileExists(const std::string& full_path) {
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA(full_path.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace platform
