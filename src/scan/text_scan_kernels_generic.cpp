#include "scan/text_scan.h"

// Processors without the x86 vector passes count with the plain loop.
const TextScanKernel* AvailableTextScanKernels(std::size_t* count) {
  static const TextScanKernel plain = {"plain", ScanTextPlain};
  *count = 1;
  return &plain;
}
