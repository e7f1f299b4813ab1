#include <windows.h>

#include "platform/os/error_codes.h"
#include "platform/os/file.h"

namespace os {
namespace {

HANDLE ToHandle(FileHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

// A pipe whose writer has gone away has ended, as a pipe does on POSIX; a read at an offset at or
// past the end answers that it is there.
int Read(FileHandle handle, OVERLAPPED* at, void* buffer, std::uint32_t size,
         std::uint32_t* bytes_read) {
  DWORD count = 0;
  const BOOL ok = ReadFile(ToHandle(handle), buffer, size, &count, at);
  *bytes_read = ok ? count : 0;
  if (ok) return 0;
  const DWORD error = GetLastError();
  return error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF ? 0 : static_cast<int>(error);
}

}  // namespace

int OpenFileForReading(const char* name, FileHandle* handle) {
  // Read access and read sharing only: the file is never written, and no writer may hold it.
  const HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  *handle = reinterpret_cast<FileHandle>(file);
  return 0;
}

int ReadFromFile(FileHandle handle, void* buffer, std::uint32_t size, std::uint32_t* bytes_read) {
  return Read(handle, nullptr, buffer, size, bytes_read);
}

int ReadFromFileAt(FileHandle handle, std::uint64_t offset, void* buffer, std::uint32_t size,
                   std::uint32_t* bytes_read) {
  OVERLAPPED at = {};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return Read(handle, &at, buffer, size, bytes_read);
}

bool SizeOfRegularFile(FileHandle handle, std::uint64_t* size) {
  LARGE_INTEGER file_size;
  if (GetFileType(ToHandle(handle)) != FILE_TYPE_DISK) return false;
  if (!GetFileSizeEx(ToHandle(handle), &file_size)) return false;
  *size = static_cast<std::uint64_t>(file_size.QuadPart);
  return true;
}

// A file object of its own: synchronous reads on one file object are done one at a time.
int OpenAnotherReader(FileHandle file, FileHandle* reader) {
  const HANDLE other = ReOpenFile(ToHandle(file), GENERIC_READ, FILE_SHARE_READ, 0);
  if (other == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  *reader = reinterpret_cast<FileHandle>(other);
  return 0;
}

int CloseFile(FileHandle handle) {
  return CloseHandle(ToHandle(handle)) ? 0 : static_cast<int>(GetLastError());
}

int WriteToFile(FileHandle handle, const void* data, std::uint32_t size) {
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(ToHandle(handle), next, size, &written, nullptr)) {
      return static_cast<int>(GetLastError());
    }
    // A non-blocking pipe that nobody empties takes nothing and reports success; waiting for it
    // could last forever.
    if (written == 0) return kErrorWriteFault;
    next += written;
    size -= written;
  }
  return 0;
}

FileHandle StandardOutputHandle() {
  return reinterpret_cast<FileHandle>(GetStdHandle(STD_OUTPUT_HANDLE));
}

FileHandle StandardErrorHandle() {
  return reinterpret_cast<FileHandle>(GetStdHandle(STD_ERROR_HANDLE));
}

HandleKind KindOfHandle(FileHandle handle) {
  const HANDLE h = ToHandle(handle);
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return HandleKind::kUnusable;
  switch (GetFileType(h)) {
    case FILE_TYPE_UNKNOWN:
      return HandleKind::kUnusable;
    case FILE_TYPE_CHAR:
      return HandleKind::kConsole;
    default:
      return HandleKind::kOther;
  }
}

const char kLineEnd[] = "\r\n";

}  // namespace os
