// Faults that another process or the system could cause at a given moment, made certain for the
// test-only program quintrel_fault_injection. The linker sends the program's stat() and read()
// here (--wrap); QUINTREL_TEST_FAULT picks the fault:
//   vanish      the file is removed right after the existence test has found it
//   read-error-at:N  every read of the file that covers its offset N fails with EIO, as a bad
//                    sector or (on Windows) a locked byte range does
//   grow        two tabs are appended to the file after its first read
//   shrink      the file is cut to nothing after its first read
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {

int __real_stat(const char* path, struct stat* status);
ssize_t __real_read(int fd, void* buffer, size_t size);

namespace {

bool Fault(const char* name) {
  const char* fault = std::getenv("QUINTREL_TEST_FAULT");
  return fault != nullptr && std::strcmp(fault, name) == 0;
}

int g_reads = 0;

// The N of "read-error-at:N", or -1.
off_t FailingOffset() {
  const char* fault = std::getenv("QUINTREL_TEST_FAULT");
  const char prefix[] = "read-error-at:";
  if (fault == nullptr || std::strncmp(fault, prefix, sizeof prefix - 1) != 0) return -1;
  return std::strtoll(fault + sizeof prefix - 1, nullptr, 10);
}

bool CoversFailingOffset(int fd, size_t size) {
  const off_t failing = FailingOffset();
  if (failing < 0) return false;
  const off_t at = lseek(fd, 0, SEEK_CUR);
  return at <= failing && failing < at + static_cast<off_t>(size);
}

void ChangeFile(int fd, bool grow) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  const int writer = open(self.c_str(), grow ? O_WRONLY | O_APPEND : O_WRONLY | O_TRUNC);
  if (writer < 0) std::abort();
  if (grow && write(writer, "\t\t", 2) != 2) std::abort();
  close(writer);
}

}  // namespace

int __wrap_stat(const char* path, struct stat* status) {
  const int result = __real_stat(path, status);
  if (result == 0 && Fault("vanish")) unlink(path);
  return result;
}

ssize_t __wrap_read(int fd, void* buffer, size_t size) {
  // Descriptors 0 to 2 are the standard ones; the file being counted is above them.
  if (fd <= STDERR_FILENO) return __real_read(fd, buffer, size);
  ++g_reads;
  if (CoversFailingOffset(fd, size)) {
    errno = EIO;
    return -1;
  }
  const ssize_t count = __real_read(fd, buffer, size);
  if (g_reads == 1 && (Fault("grow") || Fault("shrink"))) ChangeFile(fd, Fault("grow"));
  return count;
}

}  // extern "C"
