// The failures the program can meet on POSIX, provoked for real, give the Windows codes that the
// I/O error table and the failure report read.
#include "platform/os/file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/os/error_codes.h"
#include "temp_dir.h"

namespace {

TEST(FilePosix, OpeningWhatIsNoFileGivesItsCode) {
  TempDir dir;
  const std::string file = dir.WriteFile("notes.txt", "\t");
  std::filesystem::create_symlink(dir.Join("loop"), dir.Join("loop"));
  struct Case {
    std::string name;
    int code;
  };
  const Case cases[] = {
      {dir.Join("missing.txt"), os::kErrorFileNotFound},
      {file + "/x", os::kErrorPathNotFound},
      {dir.Join("loop"), os::kErrorCantResolveFilename},
      {dir.Join(std::string(300, 'n')), os::kErrorFilenameExcedRange},
  };
  for (const Case& c : cases) {
    os::FileHandle handle = 0;
    EXPECT_EQ(os::OpenFileForReading(c.name.c_str(), &handle), c.code) << c.name.substr(0, 60);
  }
}

TEST(FilePosix, ReadingADirectoryIsAccessDenied) {
  TempDir dir;
  os::FileHandle handle = 0;
  ASSERT_EQ(os::OpenFileForReading(dir.path().c_str(), &handle), 0);
  char buffer[16];
  std::uint32_t count = 99;
  EXPECT_EQ(os::ReadFromFile(handle, buffer, sizeof buffer, &count), os::kErrorAccessDenied);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(os::CloseFile(handle), 0);
}

TEST(FilePosix, WritesThatCannotLandGiveTheirCodes) {
  const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  EXPECT_EQ(os::WriteToFile(full, "x", 1), os::kErrorDiskFull);
  close(full);

  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  close(ends[0]);
  const auto previous = std::signal(SIGPIPE, SIG_IGN);
  EXPECT_EQ(os::WriteToFile(ends[1], "x", 1), os::kErrorBrokenPipe);
  std::signal(SIGPIPE, previous);
  close(ends[1]);

  EXPECT_EQ(os::WriteToFile(ends[1], "x", 1), os::kErrorInvalidHandle) << "a closed descriptor";
}

TEST(FilePosix, AFullNonBlockingOutputIsWaitedForAndLosesNothing) {
  int ends[2];
  ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
  std::string in_pipe;
  char filler[4096] = {};
  ssize_t count;
  while ((count = write(ends[1], filler, sizeof filler)) > 0) in_pipe.append(filler, count);
  ASSERT_EQ(errno, EAGAIN);

  std::thread reader([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    fcntl(ends[0], F_SETFL, 0);
    char bytes[4096];
    ssize_t got;
    std::string all;
    while ((got = read(ends[0], bytes, sizeof bytes)) > 0) all.append(bytes, got);
    EXPECT_EQ(all, in_pipe + "the report");
  });
  EXPECT_EQ(os::WriteToFile(ends[1], "the report", 10), 0);
  close(ends[1]);
  reader.join();
  close(ends[0]);
}

TEST(FilePosix, AnInputOpenedOnAStandardDescriptorMovesAboveThem) {
  TempDir dir;
  const std::string file = dir.WriteFile("notes.txt", "\t");
  const int saved = dup(STDIN_FILENO);
  close(STDIN_FILENO);
  os::FileHandle handle = 0;
  const int code = os::OpenFileForReading(file.c_str(), &handle);
  dup2(saved, STDIN_FILENO);
  close(saved);
  ASSERT_EQ(code, 0);
  EXPECT_GT(handle, STDERR_FILENO);
  EXPECT_EQ(os::CloseFile(handle), 0);
}

}  // namespace
