#include "platform/os/path.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

TEST(ExpandPath, ResolvesDotsByTheTextAlone) {
  const std::string cwd = std::filesystem::current_path().string();
  const std::string base = cwd == "/" ? "" : cwd;
  struct Case {
    std::string name;
    std::string full;
  };
  const Case cases[] = {
      {"", ""},
      {"notes.txt", base + "/notes.txt"},
      {"./a/./b/../notes.txt", base + "/a/notes.txt"},
      {"/x//y///z", "/x/y/z"},
      {"/../../x", "/x"},
      {"/", "/"},
      {"/x/..", "/"},
      {"/x/y/", "/x/y/"},
      {"/x/y/.", "/x/y"},
      {"/no/such/dir/../file", "/no/such/file"},
      {"/a\\b", "/a\\b"},
      {"/x/*?", "/x/*?"},
  };
  for (const Case& c : cases) EXPECT_EQ(os::ExpandPath(c.name), c.full) << c.name;
}

TEST(ExpandPath, DoesNotFollowLinks) {
  TempDir dir;
  std::filesystem::create_directory(dir.Join("real"));
  std::filesystem::create_directory_symlink(dir.Join("real"), dir.Join("link"));
  EXPECT_EQ(os::ExpandPath(dir.Join("link/../x")), dir.Join("x"));
}

TEST(FileExists, AcceptsAnyEntryButADirectory) {
  TempDir dir;
  const std::string file = dir.WriteFile("f", "x");
  std::filesystem::create_directory(dir.Join("d"));
  std::filesystem::create_symlink(file, dir.Join("to-file"));
  std::filesystem::create_symlink(dir.Join("d"), dir.Join("to-dir"));
  std::filesystem::create_symlink(dir.Join("gone"), dir.Join("dangling"));
  EXPECT_TRUE(os::FileExists(file));
  EXPECT_TRUE(os::FileExists(dir.Join("to-file")));
  EXPECT_TRUE(os::FileExists("/dev/null"));
  EXPECT_FALSE(os::FileExists(""));
  EXPECT_FALSE(os::FileExists(dir.Join("d")));
  EXPECT_FALSE(os::FileExists(dir.Join("to-dir")));
  EXPECT_FALSE(os::FileExists(dir.Join("dangling")));
  EXPECT_FALSE(os::FileExists(dir.Join("f/")));
  EXPECT_FALSE(os::FileExists("/" + std::string(5000, 'a')));
}

}  // namespace
