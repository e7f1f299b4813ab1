// A scratch directory for one test, removed with everything in it.
#pragma once

#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  /// The directory's real path, links resolved, as the program's path expansion sees it.
  const std::string& path() const { return path_; }
  std::string Join(const std::string& name) const { return path_ + "/" + name; }

  /// Writes a file of these bytes and returns its path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};
