#include "platform/os/long_path_posix.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace os {

int OpenDirectoryOfLastComponent(const std::string& path, std::string* last_component) {
  const bool absolute = !path.empty() && path.front() == '/';
  int directory = open(absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
  std::string::size_type start = absolute ? 1 : 0;
  for (;;) {
    if (directory < 0) return -1;
    const std::string::size_type end = path.find('/', start);
    if (end == std::string::npos) break;
    if (end > start) {
      const std::string component = path.substr(start, end - start);
      const int next = openat(directory, component.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
      const int error = errno;
      close(directory);
      errno = error;
      directory = next;
    }
    start = end + 1;
  }
  *last_component = path.substr(start);
  return directory;
}

}  // namespace os
