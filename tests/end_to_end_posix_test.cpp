// The built program run as a process: exact bytes on both streams and the exit code.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "expected_output.h"
#include "run_program.h"
#include "temp_dir.h"

namespace {

const std::string kUsage = UsageScreen("\n");
const std::string kHelp = HelpScreen("\n");

std::string Report(int tabs, const std::string& path) {
  return ReportLine(tabs, path, "\n");
}

std::string Missing(const std::string& path) {
  return MissingFileMessage(path, "\n");
}

void ExpectFailureReport(const std::string& err, const std::string& class_name,
                         const std::string& message, const std::string& module = "quintrel") {
  ::ExpectFailureReport(err, class_name, message, module, "\n");
}

// QUINTREL_UNDER_TEST may name a stand-in for the built program, such as a script that runs it
// under valgrind.
std::string ProgramUnderTest() {
  const char* stand_in = std::getenv("QUINTREL_UNDER_TEST");
  return stand_in != nullptr ? stand_in : QUINTREL_PATH;
}

struct FixtureFile {
  std::string path;
  std::string bytes;
  timespec modified;
};

class EndToEnd : public ::testing::Test {
 protected:
  EndToEnd() {
    Fixture("notes.txt", "a\tb\tc\td\n");
    Fixture("one.txt", "one\ttab");
    Fixture("none.txt", "no tabs here\r\n");
    std::filesystem::create_directory(dir_.Join("sub"));
  }

  // The program never writes the file it reads: every fixture keeps its bytes and its time.
  void TearDown() override {
    for (const FixtureFile& fixture : fixtures_) {
      std::ifstream in(fixture.path, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
      EXPECT_EQ(bytes, fixture.bytes) << fixture.path;
      struct stat status;
      ASSERT_EQ(stat(fixture.path.c_str(), &status), 0) << fixture.path;
      EXPECT_EQ(status.st_mtim.tv_sec, fixture.modified.tv_sec) << fixture.path;
      EXPECT_EQ(status.st_mtim.tv_nsec, fixture.modified.tv_nsec) << fixture.path;
    }
  }

  // A file for the program to read, dated in the past so that any write would show.
  std::string Fixture(const std::string& name, const std::string& bytes, time_t modified = 1e9) {
    const std::string path = dir_.WriteFile(name, bytes);
    const timespec times[2] = {{modified, 0}, {modified, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    fixtures_.push_back({path, bytes, times[1]});
    return path;
  }

  RunResult Run(std::vector<std::string> args, Output output = Output::kFile,
                const std::string& program = ProgramUnderTest()) {
    RunOptions options;
    options.program = program;
    options.args = std::move(args);
    options.directory = dir_.path();
    options.output = output;
    return RunProgram(options);
  }

  TempDir dir_;
  std::vector<FixtureFile> fixtures_;
};

TEST_F(EndToEnd, WithoutArgumentsWritesTheUsageScreen) {
  const RunResult result = Run({});
  EXPECT_EQ(result.out, kUsage);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exit_code, 2);
}

TEST_F(EndToEnd, ReportsTabsAndExitsByWhetherThereAreAny) {
  struct Case {
    std::string name;
    int tabs;
  };
  for (const Case& c : {Case{"notes.txt", 3}, Case{"one.txt", 1}, Case{"none.txt", 0}}) {
    const RunResult result = Run({c.name});
    EXPECT_EQ(result.out, Report(c.tabs, dir_.Join(c.name))) << c.name;
    EXPECT_EQ(result.err, "") << c.name;
    EXPECT_EQ(result.exit_code, c.tabs > 0 ? 1 : 0) << c.name;
  }
}

TEST_F(EndToEnd, NamesThatFindNoFileGiveTheMissingFileMessage) {
  std::filesystem::create_symlink(dir_.Join("gone"), dir_.Join("dangling"));
  std::filesystem::create_symlink(dir_.Join("loop"), dir_.Join("loop"));
  std::filesystem::create_directory_symlink(dir_.Join("sub"), dir_.Join("to-sub"));
  const std::string long_name(5000, 'n');
  struct Case {
    std::string argument;
    std::string shown;
  };
  const Case cases[] = {
      {"missing.txt", dir_.Join("missing.txt")},
      {"sub", dir_.Join("sub")},
      {"", ""},
      {"notes.txt/", dir_.Join("notes.txt/")},
      {"dangling", dir_.Join("dangling")},
      {"loop", dir_.Join("loop")},
      {"to-sub", dir_.Join("to-sub")},
      {long_name, dir_.Join(long_name)},
  };
  for (const Case& c : cases) {
    const std::string what = c.argument.substr(0, 20);
    const RunResult result = Run({c.argument});
    EXPECT_EQ(result.out, Missing(c.shown)) << what;
    EXPECT_EQ(result.err, "") << what;
    EXPECT_EQ(result.exit_code, 2) << what;
  }
}

TEST_F(EndToEnd, OnlyTheFirstNameCounts) {
  const RunResult result = Run({"none.txt", "notes.txt"});
  EXPECT_EQ(result.out, Report(0, dir_.Join("none.txt")));
  EXPECT_EQ(result.exit_code, 0);
}

TEST_F(EndToEnd, ReportsTheFullPathWithoutDotComponents) {
  const RunResult result = Run({"./sub/../sub/./../notes.txt"});
  EXPECT_EQ(result.out, Report(3, dir_.Join("notes.txt")));
  EXPECT_EQ(result.exit_code, 1);
}

TEST_F(EndToEnd, KeepsTheCaseOfAnAbsolutePath) {
  Fixture("Upper.TXT", "\t\t");
  const RunResult result = Run({dir_.Join("Upper.TXT")});
  EXPECT_EQ(result.out, Report(2, dir_.Join("Upper.TXT")));
  EXPECT_EQ(result.exit_code, 1);
}

TEST_F(EndToEnd, CountsAFileDatedBeforeTheDosEpoch) {
  const std::string old = Fixture("old.txt", "\t", 0);
  const RunResult result = Run({"old.txt"});
  EXPECT_EQ(result.out, Report(1, old));
  EXPECT_EQ(result.exit_code, 1);
}

TEST_F(EndToEnd, StopsCountingAtTheFirstCtrlZ) {
  Fixture("ctrlz.txt", std::string("a\t\x1a\t\t", 5));
  const RunResult result = Run({"ctrlz.txt"});
  EXPECT_EQ(result.out, Report(1, dir_.Join("ctrlz.txt")));
}

TEST_F(EndToEnd, UnreadableFileGivesTheFailureReport) {
  // Root reads anything, so the program runs as nobody from a copy that nobody may execute.
  ASSERT_EQ(chmod(dir_.path().c_str(), 0755), 0);
  const std::string program = dir_.Join("quintrel");
  std::filesystem::copy_file(QUINTREL_PATH, program);
  ASSERT_EQ(chmod(program.c_str(), 0755), 0);
  ASSERT_EQ(chmod(dir_.Join("notes.txt").c_str(), 0), 0);
  RunOptions options;
  options.program = program;
  options.args = {"notes.txt"};
  options.directory = dir_.path();
  options.unprivileged = true;
  const RunResult result = RunProgram(options);
  EXPECT_EQ(result.out, "");
  ExpectFailureReport(result.err, "EInOutError", "File access denied.");
  EXPECT_EQ(result.exit_code, 2);
}

TEST_F(EndToEnd, ClosedStandardOutputIsError105) {
  const RunResult result = Run({"notes.txt"}, Output::kClosed);
  ExpectFailureReport(result.err, "EInOutError", "I/O error 105.");
  EXPECT_EQ(result.exit_code, 2);
}

TEST_F(EndToEnd, FullDeviceFailsTheFirstLineWrittenThrough) {
  const RunResult result = Run({"notes.txt"}, Output::kDevFull);
  ExpectFailureReport(result.err, "EInOutError", "I/O error 112.");
  EXPECT_EQ(result.exit_code, 2);
}

TEST_F(EndToEnd, OutputLostAtShutDownIsReported) {
  const RunResult result = Run({"notes.txt"}, Output::kNoGrowth);
  EXPECT_EQ(result.out, "");
  ExpectFailureReport(result.err, "EInOutError", "I/O error 223.");
  EXPECT_EQ(result.exit_code, 2);
}

TEST_F(EndToEnd, ExhaustedMemoryDuringStartUpGivesTheStartUpFailureLine) {
  const std::vector<std::string> huge(4, std::string(100 * 1024, 'x'));
  const RunResult result = Run(huge, Output::kFile, QUINTREL_FAILING_ALLOCATION_PATH);
  ASSERT_EQ(result.out.size(), 30u) << result.out;
  EXPECT_EQ(result.out.substr(0, 21), "Runtime error 217 at ");
  EXPECT_EQ(result.out.substr(21, 8).find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(result.out.back(), '\n');
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exit_code, 217);
}

TEST_F(EndToEnd, SwitchesAskForHelpOrQuiet) {
  Fixture("\"-?", "\t\t");
  struct Case {
    std::vector<std::string> args;
    std::string out;
    int exit_code;
  };
  const Case cases[] = {
      {{}, kUsage, 2},
      {{"/?"}, kHelp, 2},
      {{"-?"}, kHelp, 2},
      {{"/?", "notes.txt"}, kHelp, 2},
      {{"missing.txt", "/?"}, kHelp, 2},
      {{"notes.txt", "/Q", "/?"}, kHelp, 2},
      {{"none.txt", "/Q"}, "", 0},
      {{"none.txt", "-q"}, "", 0},
      {{"notes.txt", "/Q"}, Report(3, dir_.Join("notes.txt")), 1},
      {{"notes.txt", "-q"}, Report(3, dir_.Join("notes.txt")), 1},
      {{"none.txt"}, Report(0, dir_.Join("none.txt")), 0},
      {{"missing.txt", "/Q"}, Missing(dir_.Join("missing.txt")), 2},
      {{"none.txt", "/Qx"}, Report(0, dir_.Join("none.txt")), 0},
      {{"/Q", "none.txt"}, Missing("/Q"), 2},
      // Each argument is what the shell passed: quotes in it are part of it.
      {{"none.txt", "\"/q\""}, Report(0, dir_.Join("none.txt")), 0},
      {{"none.txt", "/q\"\""}, Report(0, dir_.Join("none.txt")), 0},
      {{"none.txt", "\"\"-Q"}, Report(0, dir_.Join("none.txt")), 0},
      {{"\"-?"}, Report(2, dir_.Join("\"-?")), 1},
      // The help a Linux user types first.
      {{"--help"}, kHelp, 2},
      {{"notes.txt", "--help"}, kHelp, 2},
      {{"none.txt", "--helpx"}, Report(0, dir_.Join("none.txt")), 0},
      {{"none.txt", "--HELP"}, Report(0, dir_.Join("none.txt")), 0},
      {{"none.txt", "-help"}, Report(0, dir_.Join("none.txt")), 0},
      {{"--helpx"}, Missing(dir_.Join("--helpx")), 2},
  };
  for (const Case& c : cases) {
    const RunResult result = Run(c.args);
    std::string shown;
    for (const std::string& arg : c.args) shown += " " + arg;
    EXPECT_EQ(result.out, c.out) << shown;
    EXPECT_EQ(result.err, "") << shown;
    EXPECT_EQ(result.exit_code, c.exit_code) << shown;
  }
}

// Nested directories whose whole path outgrows PATH_MAX, made and removed by descriptor since
// no call takes their path whole.
class DeepDirectories {
 public:
  DeepDirectories(const std::string& root, int depth) : name_(200, 'd') {
    levels_.push_back(open(root.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    path_ = root;
    for (int i = 0; i < depth; ++i) {
      EXPECT_EQ(mkdirat(levels_.back(), name_.c_str(), 0755), 0);
      levels_.push_back(openat(levels_.back(), name_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
      path_ += "/" + name_;
    }
  }
  ~DeepDirectories() {
    for (const std::string& file : files_) unlinkat(Deepest(), file.c_str(), 0);
    for (std::size_t i = levels_.size() - 1; i > 0; --i) {
      close(levels_[i]);
      unlinkat(levels_[i - 1], name_.c_str(), AT_REMOVEDIR);
    }
    close(levels_[0]);
  }

  const std::string& path() const { return path_; }
  int Deepest() const { return levels_.back(); }

  void WriteFile(const std::string& name, const std::string& bytes) {
    // O_PATH descriptors cannot be written through; reopen the deepest level for creation.
    const int directory = openat(Deepest(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int fd = openat(directory, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    EXPECT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fd);
    close(directory);
    files_.push_back(name);
  }

 private:
  std::string name_;
  std::string path_;
  std::vector<int> levels_;
  std::vector<std::string> files_;
};

TEST_F(EndToEnd, AFileWhosePathOutgrowsPathMaxIsCounted) {
  DeepDirectories deep(dir_.path(), 30);
  ASSERT_GT(deep.path().size(), 4096u);
  deep.WriteFile("f.txt", "a\tb\tc");
  RunOptions options;
  options.program = ProgramUnderTest();
  options.directory = deep.path();
  for (const char* name : {"f.txt", "missing.txt"}) {
    SCOPED_TRACE(name);
    options.args = {name};
    const RunResult result = RunProgram(options);
    const bool found = std::string(name) == "f.txt";
    EXPECT_EQ(result.out,
              found ? Report(2, deep.path() + "/" + name) : Missing(deep.path() + "/" + name));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.exit_code, found ? 1 : 2);
  }
}

TEST_F(EndToEnd, NamesKeepTheirBytesAbove127) {
  std::string name = "caf\xC3\xA9-";
  for (int byte = 128; byte < 256; byte += 9) name += static_cast<char>(byte);
  Fixture(name, "\t");
  std::filesystem::create_symlink(dir_.Join("notes.txt"), dir_.Join("link"));
  EXPECT_EQ(Run({name}).out, Report(1, dir_.Join(name)));
  EXPECT_EQ(Run({"link"}).out, Report(3, dir_.Join("link"))) << "the link's name, not its target";
}

TEST_F(EndToEnd, AFifoIsReadUntilItsWriterGoesAway) {
  const std::string fifo = dir_.Join("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] {
    const int fd = open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(write(fd, "a\tb\t", 4), 4);
    close(fd);
  });
  const RunResult result = Run({"fifo"});
  writer.join();
  EXPECT_EQ(result.out, Report(2, fifo));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exit_code, 1);
}

class FaultInjected : public EndToEnd {
 protected:
  // processors: how many the program is told it may run on; 0 leaves the machine's own.
  RunResult RunWithFault(const std::string& fault, const std::string& name, int processors = 0) {
    setenv("QUINTREL_TEST_FAULT", fault.c_str(), 1);
    if (processors > 0) setenv("QUINTREL_TEST_PROCESSORS", std::to_string(processors).c_str(), 1);
    const RunResult result = Run({name}, Output::kFile, QUINTREL_FAULT_INJECTION_PATH);
    unsetenv("QUINTREL_TEST_FAULT");
    unsetenv("QUINTREL_TEST_PROCESSORS");
    return result;
  }
};

TEST_F(FaultInjected, AFileRemovedAfterTheExistenceTestIsNotFound) {
  dir_.WriteFile("vanishing.txt", "\t\t");
  const RunResult result = RunWithFault("vanish", "vanishing.txt");
  EXPECT_EQ(result.out, "");
  ExpectFailureReport(result.err, "EInOutError", "File not found.", "quintrel_fault_injection");
  EXPECT_EQ(result.exit_code, 2);
}

// A read that fails covers a whole block; a Ctrl-Z before the failing byte still ends the text
// there, and the error is reported only when the text reaches it.
TEST_F(FaultInjected, AReadErrorCountsOnlyWhereTheTextReachesIt) {
  const std::size_t block = 512 * 1024;
  const std::size_t failing = block + block / 2;
  struct Case {
    const char* name;
    std::size_t ctrl_z;  // where the Ctrl-Z stands; 0 for none
    bool counted;
  };
  const Case cases[] = {
      {"none", 0, false},
      {"in the block before", block - 1, true},
      {"just before the failing byte", failing - 1, true},
      {"5 bytes before it", failing - 5, true},
      {"on the failing byte", failing, false},
      {"right after it", failing + 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text(3 * block, '\t');
    if (c.ctrl_z != 0) text[c.ctrl_z] = '\x1a';
    const std::string name = std::string("ctrlz-") + std::to_string(c.ctrl_z) + ".txt";
    Fixture(name, text);
    const RunResult result = RunWithFault("read-error-at:" + std::to_string(failing), name);
    if (c.counted) {
      EXPECT_EQ(result.out, Report(static_cast<int>(c.ctrl_z), dir_.Join(name))) << c.name;
      EXPECT_EQ(result.err, "") << c.name;
      EXPECT_EQ(result.exit_code, 1) << c.name;
    } else {
      EXPECT_EQ(result.out, "") << c.name;
      ExpectFailureReport(result.err, "EInOutError", "I/O error 1117.", "quintrel_fault_injection");
      EXPECT_EQ(result.exit_code, 2) << c.name;
    }
  }
}

TEST_F(FaultInjected, AFileThatChangesWhileReadIsCountedToItsRealEnd) {
  const std::string tabs(1 << 20, '\t');
  dir_.WriteFile("growing.txt", tabs);
  dir_.WriteFile("shrinking.txt", tabs);
  const int block = 512 * 1024;
  EXPECT_EQ(RunWithFault("grow", "growing.txt").out,
            Report((1 << 20) + 2, dir_.Join("growing.txt")));
  EXPECT_EQ(RunWithFault("shrink", "shrinking.txt").out, Report(block, dir_.Join("shrinking.txt")));
}

// A file large enough to be shared among four workers, each reading chunks of 8 MiB: the count
// and the error are those of one pass from the start.
TEST_F(FaultInjected, WorkersSharingALargeFileCountAsOnePass) {
  constexpr std::size_t kChunk = 8 << 20;
  constexpr std::size_t kSize = 3 * kChunk + 1000;
  struct Case {
    const char* what;
    std::size_t ctrl_z;   // 0 for none
    std::size_t failing;  // the offset whose reads fail; 0 for none
    int tabs;             // -1: the failure report
  };
  const Case cases[] = {
      {"a Ctrl-Z near the start", 1000, 0, 1000},
      {"a Ctrl-Z on the first byte of the second chunk", kChunk, 0, static_cast<int>(kChunk)},
      {"a Ctrl-Z on the last byte", kSize - 1, 0, static_cast<int>(kSize - 1)},
      {"an error in the second chunk", 0, kChunk + 100, -1},
      {"an error past a Ctrl-Z in the first chunk", 1000, kChunk + 100, 1000},
      {"an error in the first chunk past its Ctrl-Z", 1000, 5000, 1000},
      {"an error in the first chunk before a Ctrl-Z in the third", 2 * kChunk + 5, 5000, -1},
  };
  std::string text(kSize, '\t');
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.ctrl_z != 0) text[c.ctrl_z] = '\x1a';
    dir_.WriteFile("large.txt", text);
    if (c.ctrl_z != 0) text[c.ctrl_z] = '\t';
    const std::string fault = c.failing != 0 ? "read-error-at:" + std::to_string(c.failing) : "";
    const RunResult result = RunWithFault(fault, "large.txt", 4);
    if (c.tabs >= 0) {
      EXPECT_EQ(result.out, Report(c.tabs, dir_.Join("large.txt")));
      EXPECT_EQ(result.err, "");
      EXPECT_EQ(result.exit_code, 1);
    } else {
      EXPECT_EQ(result.out, "");
      ExpectFailureReport(result.err, "EInOutError", "I/O error 1117.", "quintrel_fault_injection");
      EXPECT_EQ(result.exit_code, 2);
    }
  }
}

TEST_F(FaultInjected, ALargeFileThatChangesWhileWorkersReadIsCountedToItsRealEnd) {
  const std::string tabs(3 * (8 << 20), '\t');
  dir_.WriteFile("growing.txt", tabs);
  dir_.WriteFile("shrinking.txt", tabs);
  EXPECT_EQ(RunWithFault("grow", "growing.txt", 4).out,
            Report(static_cast<int>(tabs.size()) + 2, dir_.Join("growing.txt")));
  // The first whole read is all that the file held before it was cut.
  EXPECT_EQ(RunWithFault("shrink", "shrinking.txt", 4).out,
            Report(512 * 1024, dir_.Join("shrinking.txt")));
}

}  // namespace
