#include <windows.h>

#include <vector>

#include "platform/os/path.h"

namespace os {

namespace {

// The ANSI call may refuse a result longer than MAX_PATH outright; the wide one does not.
std::string ExpandLongPath(const std::string& name) {
  const int wide_length = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
  if (wide_length == 0) return {};
  std::vector<wchar_t> wide_name(static_cast<std::size_t>(wide_length));
  MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide_name.data(), wide_length);
  const DWORD size = GetFullPathNameW(wide_name.data(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::vector<wchar_t> full(size);
  const DWORD length = GetFullPathNameW(wide_name.data(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return {};
  const int bytes = WideCharToMultiByte(CP_ACP, 0, full.data(), static_cast<int>(length), nullptr,
                                        0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, full.data(), static_cast<int>(length), &result[0], bytes, nullptr,
                      nullptr);
  return result;
}

}  // namespace

// A full path longer than MAX_PATH is never taken from beyond the buffer: it is asked for again
// at the size it needs, and the existence test then refuses it, so the user sees the whole path.
std::string ExpandPath(const std::string& name) {
  if (name.empty()) return {};
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetFullPathNameA(name.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return ExpandLongPath(name);
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

}  // namespace os
