// The system's errors. None is caught but by the runtime's outermost handler, which turns it into
// the failure report.
#pragma once

#include <new>
#include <string>

namespace Runtime {

class Exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  virtual ~Exception() = default;

  virtual const char* ClassName() const { return "Exception"; }
  const std::string& Message() const { return message_; }

  /// The code address the error was raised at, for the failure report.
  const void* Address() const { return address_; }
  void SetAddress(const void* address) { address_ = address; }

 private:
  std::string message_;
  const void* address_ = nullptr;
};

/// A failed file or console operation, with its Windows error code.
class EInOutError : public Exception {
 public:
  explicit EInOutError(int error_code);
  const char* ClassName() const override { return "EInOutError"; }
  int ErrorCode() const { return error_code_; }

 private:
  int error_code_;
};

class EStringListError : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EStringListError"; }
};

/// Also a std::bad_alloc, so that the new-handler may raise it from inside operator new.
class EOutOfMemory : public Exception, public std::bad_alloc {
 public:
  EOutOfMemory() : Exception("Out of memory") {}
  const char* ClassName() const override { return "EOutOfMemory"; }
  const char* what() const noexcept override { return "Out of memory"; }
};

/// The runtime's own I/O error code for output with no usable handle behind it.
constexpr int kFileNotOpenForOutput = 105;

/// The I/O error table: the message for a Windows error code.
std::string InOutErrorMessage(int error_code);

/// The I/O test that follows every file and console operation: raises EInOutError, located at
/// the caller, when error_code is not 0.
[[gnu::noinline]] void IoCheck(int error_code);

}  // namespace Runtime
