#include "platform/os/cpu.h"
#include "scan/text_scan_simd.h"

const TextScanKernel* AvailableTextScanKernels(std::size_t* count) {
  static const TextScanKernel all[] = {
      {"avx2", ScanTextAvx2}, {"sse2", ScanTextSse2}, {"plain", ScanTextPlain}};
  const std::size_t first = os::CpuHasAvx2() ? 0 : os::CpuHasSse2() ? 1 : 2;
  *count = 3 - first;
  return all + first;
}
