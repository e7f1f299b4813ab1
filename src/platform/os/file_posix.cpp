#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/os/error_codes.h"
#include "platform/os/file.h"
#include "platform/os/long_path_posix.h"
#include "platform/os/win_error_posix.h"

namespace os {

namespace {

// open() refuses a path longer than PATH_MAX whole; its components each stay within NAME_MAX.
int OpenLongPath(const char* name) {
  std::string last_component;
  const int directory = OpenDirectoryOfLastComponent(name, &last_component);
  if (directory < 0) return -1;
  int fd;
  do {
    fd = openat(directory, last_component.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  const int error = errno;
  close(directory);
  errno = error;
  return fd;
}

// Makes a read, again when a signal interrupts it, and gives its count and error code.
template <class Read>
int ResultOfRead(std::uint32_t* bytes_read, Read read_bytes) {
  ssize_t count;
  do {
    count = read_bytes();
  } while (count < 0 && errno == EINTR);
  *bytes_read = count < 0 ? 0 : static_cast<std::uint32_t>(count);
  return count < 0 ? WindowsErrorFromErrno(errno) : 0;
}

bool AwaitWritable(FileHandle handle) {
  pollfd output = {static_cast<int>(handle), POLLOUT, 0};
  int ready;
  do {
    ready = poll(&output, 1, -1);
  } while (ready < 0 && errno == EINTR);
  return ready > 0;  // writable, or a reader gone: the next write tells which
}

}  // namespace

int OpenFileForReading(const char* name, FileHandle* handle) {
  int fd;
  do {
    fd = open(name, O_RDONLY | O_CLOEXEC | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0 && errno == ENAMETOOLONG) fd = OpenLongPath(name);
  if (fd < 0) return WindowsErrorFromErrno(errno);
  if (fd <= STDERR_FILENO) {
    // A closed standard handle must stay closed, or output would go to the file being read.
    const int high = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    const int error = errno;
    close(fd);
    if (high < 0) return WindowsErrorFromErrno(error);
    fd = high;
  }
  *handle = fd;
  return 0;
}

int ReadFromFile(FileHandle handle, void* buffer, std::uint32_t size, std::uint32_t* bytes_read) {
  return ResultOfRead(bytes_read, [&] { return read(static_cast<int>(handle), buffer, size); });
}

int ReadFromFileAt(FileHandle handle, std::uint64_t offset, void* buffer, std::uint32_t size,
                   std::uint32_t* bytes_read) {
  return ResultOfRead(bytes_read, [&] {
    return pread(static_cast<int>(handle), buffer, size, static_cast<off_t>(offset));
  });
}

bool SizeOfRegularFile(FileHandle handle, std::uint64_t* size) {
  struct stat status;
  if (fstat(static_cast<int>(handle), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  *size = static_cast<std::uint64_t>(status.st_size);
  return true;
}

// Positioned reads share one descriptor safely; a duplicate keeps the closing symmetric.
int OpenAnotherReader(FileHandle file, FileHandle* reader) {
  const int fd = fcntl(static_cast<int>(file), F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  if (fd < 0) return WindowsErrorFromErrno(errno);
  *reader = fd;
  return 0;
}

int CloseFile(FileHandle handle) {
  // After EINTR the descriptor is already released on Linux; closing again could hit another.
  if (close(static_cast<int>(handle)) != 0 && errno != EINTR) return WindowsErrorFromErrno(errno);
  return 0;
}

int WriteToFile(FileHandle handle, const void* data, std::uint32_t size) {
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(static_cast<int>(handle), next, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      // A non-blocking output that is full: wait until it takes bytes again, as a blocking one
      // would, rather than spin or drop the text.
      if ((errno == EAGAIN || errno == EWOULDBLOCK) && AwaitWritable(handle)) continue;
      return WindowsErrorFromErrno(errno);
    }
    if (written == 0) return kErrorWriteFault;
    next += written;
    size -= static_cast<std::uint32_t>(written);
  }
  return 0;
}

FileHandle StandardOutputHandle() {
  return STDOUT_FILENO;
}
FileHandle StandardErrorHandle() {
  return STDERR_FILENO;
}

HandleKind KindOfHandle(FileHandle handle) {
  struct stat status;
  if (fstat(static_cast<int>(handle), &status) != 0) return HandleKind::kUnusable;
  return S_ISCHR(status.st_mode) ? HandleKind::kConsole : HandleKind::kOther;
}

const char kLineEnd[] = "\n";

}  // namespace os
