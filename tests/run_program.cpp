#include "run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

int CreateCapture(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw std::runtime_error("cannot create " + path);
  return fd;
}

// The directory's components, for a directory whose path is longer than chdir() takes whole.
std::vector<std::string> Components(const std::string& path) {
  std::vector<std::string> components;
  std::string::size_type start = 0;
  while (start < path.size()) {
    std::string::size_type end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) components.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return components;
}

bool ChangeDirectory(const std::string& path, const std::vector<std::string>& components) {
  if (chdir(path.c_str()) == 0) return true;
  if (errno != ENAMETOOLONG || chdir("/") != 0) return false;
  for (const std::string& component : components) {
    if (chdir(component.c_str()) != 0) return false;
  }
  return true;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void StartChild(const RunOptions& options, char* const* argv, int out_fd, int err_fd,
                             const std::vector<std::string>& directory_components) {
  if (!options.directory.empty() && !ChangeDirectory(options.directory, directory_components)) {
    _exit(126);
  }
  dup2(err_fd, STDERR_FILENO);
  switch (options.output) {
    case Output::kFile:
      dup2(out_fd, STDOUT_FILENO);
      break;
    case Output::kClosed:
      close(STDOUT_FILENO);
      break;
    case Output::kDevFull: {
      const int full = open("/dev/full", O_WRONLY);
      dup2(full, STDOUT_FILENO);
      break;
    }
    case Output::kNoGrowth: {
      dup2(out_fd, STDOUT_FILENO);
      // At its default, as a shell leaves it: the program must not be killed by it.
      signal(SIGXFSZ, SIG_DFL);
      const rlimit none = {0, 0};
      setrlimit(RLIMIT_FSIZE, &none);
      break;
    }
  }
  // Only root needs to step down for file permissions to hold.
  if (options.unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
    _exit(126);
  }
  execv(options.program.c_str(), argv);
  _exit(127);
}

}  // namespace

RunResult RunProgram(const RunOptions& options) {
  char out_template[] = "/tmp/quintrel-run-XXXXXX";
  if (mkdtemp(out_template) == nullptr) throw std::runtime_error("mkdtemp failed");
  const std::string scratch = out_template;
  const std::string out_path = scratch + "/out";
  const int out_fd = CreateCapture(out_path);
  // Standard error through a pipe: a file size limit on the child must not cut its report.
  int err_pipe[2];
  if (pipe2(err_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");

  std::vector<std::string> words = {options.argv0};
  words.insert(words.end(), options.args.begin(), options.args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  const std::vector<std::string> directory_components = Components(options.directory);
  const pid_t child = fork();
  if (child == 0) StartChild(options, argv.data(), out_fd, err_pipe[1], directory_components);
  close(out_fd);
  close(err_pipe[1]);
  RunResult result;
  char bytes[4096];
  ssize_t count;
  while ((count = read(err_pipe[0], bytes, sizeof bytes)) > 0) {
    result.err.append(bytes, static_cast<std::size_t>(count));
  }
  close(err_pipe[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
  }

  result.out = ReadAll(out_path);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  unlink(out_path.c_str());
  rmdir(scratch.c_str());
  return result;
}
