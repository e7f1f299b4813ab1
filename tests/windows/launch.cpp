// Starts a program with a command line read byte for byte from a file, so that the program's
// GetCommandLineA sees exactly what a test wrote; the standard handles are inherited and the
// program's exit code is returned. With --hold FILE, FILE is first opened for writing, as by
// another process that holds it.
//
//   launch [--hold FILE] PROGRAM COMMAND-LINE-FILE
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

int main(int argc, char** argv) {
  int next = 1;
  HANDLE held = INVALID_HANDLE_VALUE;
  if (argc > 2 && std::strcmp(argv[1], "--hold") == 0) {
    held = CreateFileA(argv[2], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
      std::fprintf(stderr, "launch: cannot hold %s: %lu\n", argv[2], GetLastError());
      return 120;
    }
    next = 3;
  }
  if (argc - next != 2) {
    std::fprintf(stderr, "usage: launch [--hold FILE] PROGRAM COMMAND-LINE-FILE\n");
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
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(argv[next], &command_line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "launch: cannot start %s: %lu\n", argv[next], GetLastError());
    return 123;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exit_code = 125;
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  return static_cast<int>(exit_code);
}
