#include "platform/exceptions.h"

namespace Runtime {

EInOutError::EInOutError(int error_code)
    : Exception(InOutErrorMessage(error_code)), error_code_(error_code) {}

std::string InOutErrorMessage(int error_code) {
  switch (error_code) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case 101:
      return "Disk full";
    case 106:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(error_code);
  }
}

void IoCheck(int error_code) {
  if (error_code == 0) return;
  EInOutError error(error_code);
  error.SetAddress(__builtin_return_address(0));
  throw error;
}

}  // namespace Runtime
