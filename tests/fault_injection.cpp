// Faults that another process or the system could cause at a given moment, made certain for the
// test-only program quintrel_fault_injection. The linker sends the program's stat(), read(),
// pread() and sched_getaffinity() here (--wrap); QUINTREL_TEST_FAULT picks the fault:
//   vanish           the file is removed right after the existence test has found it
//   read-error-at:N  every read of the file that covers its offset N fails with EIO, as a bad
//                    sector or (on Windows) a locked byte range does
//   grow             two tabs are appended to the file after its first read
//   shrink           the file is cut to nothing after its first read
// and QUINTREL_TEST_PROCESSORS=N gives the program N processors to share a large file among.
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

extern "C" {
int __real_stat(const char* path, struct stat* status);
ssize_t __real_read(int fd, void* buffer, size_t size);
ssize_t __real_pread(int fd, void* buffer, size_t size, off_t offset);
int __real_sched_getaffinity(pid_t pid, size_t size, cpu_set_t* set);
}

namespace {

bool Fault(const char* name) {
  const char* fault = std::getenv("QUINTREL_TEST_FAULT");
  return fault != nullptr && std::strcmp(fault, name) == 0;
}

// The N of "read-error-at:N", or -1.
off_t FailingOffset() {
  const char* fault = std::getenv("QUINTREL_TEST_FAULT");
  const char prefix[] = "read-error-at:";
  if (fault == nullptr || std::strncmp(fault, prefix, sizeof prefix - 1) != 0) return -1;
  return std::strtoll(fault + sizeof prefix - 1, nullptr, 10);
}

bool Covers(off_t at, size_t size, off_t offset) {
  return offset >= 0 && at <= offset && offset < at + static_cast<off_t>(size);
}

void ChangeFile(int fd, bool grow) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  const int writer = open(self.c_str(), grow ? O_WRONLY | O_APPEND : O_WRONLY | O_TRUNC);
  if (writer < 0) std::abort();
  if (grow && write(writer, "\t\t", 2) != 2) std::abort();
  close(writer);
}

// Reads of the file one at a time, so that a change lands between two whole reads even when
// several readers share the file.
std::mutex g_reads_of_the_file;
bool g_changed = false;

template <class Read>
ssize_t ReadWithFault(int fd, off_t at, size_t size, Read read) {
  if (Covers(at, size, FailingOffset())) {
    errno = EIO;
    return -1;
  }
  if (!Fault("grow") && !Fault("shrink")) return read();
  std::lock_guard<std::mutex> lock(g_reads_of_the_file);
  const ssize_t count = read();
  if (!g_changed) {
    g_changed = true;
    ChangeFile(fd, Fault("grow"));
  }
  return count;
}

}  // namespace

extern "C" {

int __wrap_stat(const char* path, struct stat* status) {
  const int result = __real_stat(path, status);
  if (result == 0 && Fault("vanish")) unlink(path);
  return result;
}

// Descriptors 0 to 2 are the standard ones; the file being counted is above them.
ssize_t __wrap_read(int fd, void* buffer, size_t size) {
  if (fd <= STDERR_FILENO) return __real_read(fd, buffer, size);
  return ReadWithFault(fd, lseek(fd, 0, SEEK_CUR), size,
                       [&] { return __real_read(fd, buffer, size); });
}

ssize_t __wrap_pread(int fd, void* buffer, size_t size, off_t offset) {
  if (fd <= STDERR_FILENO) return __real_pread(fd, buffer, size, offset);
  return ReadWithFault(fd, offset, size, [&] { return __real_pread(fd, buffer, size, offset); });
}

int __wrap_sched_getaffinity(pid_t pid, size_t size, cpu_set_t* set) {
  const char* processors = std::getenv("QUINTREL_TEST_PROCESSORS");
  if (processors == nullptr) return __real_sched_getaffinity(pid, size, set);
  CPU_ZERO_S(size, set);
  for (int cpu = 0; cpu < std::atoi(processors); ++cpu) CPU_SET_S(cpu, size, set);
  return 0;
}

}  // extern "C"
