// The Windows error codes that the program gives or tells apart. POSIX errors are mapped to them
// (win_error_posix.h), so that "I/O error N" reads the same on both builds.
#pragma once

namespace os {

enum ErrorCode : int {
  kErrorFileNotFound = 2,
  kErrorPathNotFound = 3,
  kErrorTooManyOpenFiles = 4,
  kErrorAccessDenied = 5,
  kErrorInvalidHandle = 6,
  kErrorNotEnoughMemory = 8,
  kErrorWriteProtect = 19,
  kErrorWriteFault = 29,
  kErrorGenFailure = 31,
  kErrorSharingViolation = 32,
  kErrorLockViolation = 33,
  kErrorInvalidParameter = 87,
  kErrorBrokenPipe = 109,
  kErrorDiskFull = 112,
  kErrorFilenameExcedRange = 206,
  kErrorFileTooLarge = 223,
  kErrorIoDevice = 1117,
  kErrorCantResolveFilename = 1921,
};

}  // namespace os
