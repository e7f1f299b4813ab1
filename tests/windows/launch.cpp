// Starts a program with a command line read byte for byte from a file, so that the program's
// GetCommandLineA sees exactly what a test wrote; the standard handles are inherited and the
// program's exit code is returned. With --hold FILE, FILE is first opened for writing, as by
// another process that holds it. With --full-nowait-output, the program's standard output is a
// non-blocking pipe that is already full and that nobody reads. A program still running after
// 20 seconds is ended with exit code 124.
//
//   launch [--hold FILE] [--full-nowait-output] PROGRAM COMMAND-LINE-FILE
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool ReadWholeFile(const char* name, std::string* bytes) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  char block[4096];
  std::size_t count;
  while ((count = std::fread(block, 1, sizeof block, file)) > 0) bytes->append(block, count);
  std::fclose(file);
  return true;
}

}  // namespace

// A pipe whose writes return at once, taking nothing once its buffer is full.
bool MakeFullNowaitPipe(HANDLE* write_end) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE read_end = nullptr;
  if (!CreatePipe(&read_end, write_end, &inheritable, 1)) return false;
  DWORD mode = PIPE_READMODE_BYTE | PIPE_NOWAIT;
  if (!SetNamedPipeHandleState(*write_end, &mode, nullptr, nullptr)) return false;
  char filler[512] = {};
  DWORD written = 1;
  for (int i = 0; i < 100000 && written > 0; ++i) {
    if (!WriteFile(*write_end, filler, sizeof filler, &written, nullptr)) return false;
  }
  return written == 0;  // the read end stays open, and unread
}

int main(int argc, char** argv) {
  int next = 1;
  HANDLE held = INVALID_HANDLE_VALUE;
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (argc > next + 1 && std::strcmp(argv[next], "--full-nowait-output") == 0) {
    if (!MakeFullNowaitPipe(&output)) {
      std::fprintf(stderr, "launch: cannot make a full non-blocking pipe: %lu\n", GetLastError());
      return 119;
    }
    ++next;
  }
  if (argc > next + 2 && std::strcmp(argv[next], "--hold") == 0) {
    held = CreateFileA(argv[next + 1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
      std::fprintf(stderr, "launch: cannot hold %s: %lu\n", argv[next + 1], GetLastError());
      return 120;
    }
    next += 2;
  }
  if (argc - next != 2) {
    std::fprintf(stderr,
                 "usage: launch [--full-nowait-output] [--hold FILE] PROGRAM COMMAND-LINE-FILE\n");
    return 121;
  }
  std::string command_line;
  if (!ReadWholeFile(argv[next + 1], &command_line)) {
    std::fprintf(stderr, "launch: cannot read %s\n", argv[next + 1]);
    return 122;
  }

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(argv[next], &command_line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "launch: cannot start %s: %lu\n", argv[next], GetLastError());
    return 123;
  }
  DWORD exit_code = 125;
  if (WaitForSingleObject(process.hProcess, 20000) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 124);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  return static_cast<int>(exit_code);
}
