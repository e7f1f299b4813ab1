// Runs a program as a child process and collects what it wrote and how it ended.
#pragma once

#include <string>
#include <vector>

enum class Output {
  kFile,      // a regular file: the program buffers
  kClosed,    // descriptor 1 closed
  kDevFull,   // a character device on which every write fails with ENOSPC
  kNoGrowth,  // a regular file that cannot grow (RLIMIT_FSIZE 0, SIGXFSZ at its default)
};

struct RunOptions {
  std::string program;
  std::string argv0 = "quintrel";
  std::vector<std::string> args;  // argv[1] onwards
  std::string directory;          // the child's working directory
  Output output = Output::kFile;
  bool unprivileged = false;  // run as nobody, so that file permissions hold
};

struct RunResult {
  std::string out;
  std::string err;
  int exit_code = -1;  // -1 when the child did not exit normally
};

RunResult RunProgram(const RunOptions& options);
