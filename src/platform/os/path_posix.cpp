#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/os/long_path_posix.h"
#include "platform/os/path.h"

namespace os {
namespace {

std::string CurrentDirectory() {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

// "\" is an ordinary character here. A trailing "/" is kept, so that "notes.txt/" names no file.
std::string ResolveDots(const std::string& absolute) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start <= absolute.size()) {
    std::string::size_type end = absolute.find('/', start);
    if (end == std::string::npos) end = absolute.size();
    const std::string part = absolute.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string full;
  for (const std::string& part : parts) full += "/" + part;
  const bool trailing_slash = absolute.back() == '/';
  if (full.empty() || trailing_slash) full += "/";
  return full;
}

// stat() refuses a path longer than PATH_MAX whole; its components each stay within NAME_MAX.
bool StatLongPath(const std::string& full_path, struct stat* status) {
  std::string name;
  const int directory = OpenDirectoryOfLastComponent(full_path, &name);
  if (directory < 0) return false;
  const bool found = fstatat(directory, name.c_str(), status, 0) == 0;
  close(directory);
  return found;
}

}  // namespace

std::string ExpandPath(const std::string& name) {
  if (name.empty()) return {};
  if (name.front() == '/') return ResolveDots(name);
  const std::string directory = CurrentDirectory();
  if (directory.empty()) return {};
  return ResolveDots(directory + "/" + name);
}

bool FileExists(const std::string& full_path) {
  struct stat status;
  if (full_path.empty()) return false;
  if (stat(full_path.c_str(), &status) != 0) {
    if (errno != ENAMETOOLONG || !StatLongPath(full_path, &status)) return false;
  }
  return !S_ISDIR(status.st_mode);
}

}  // namespace os
