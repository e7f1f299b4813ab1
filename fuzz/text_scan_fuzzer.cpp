// The counting passes and the text reader, on any bytes cut into any blocks, against the plain
// loop over the whole input.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "check.h"
#include "scan/tally_tabs.h"
#include "scan/text_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte seeds the block sizes; the rest is the text.
  std::uint32_t seed = data[0] * 2654435761u + 1;
  const unsigned char* text = data + 1;
  const std::size_t length = size - 1;
  const TextScan expected = ScanTextPlain(text, length);

  std::size_t kernel_count;
  const TextScanKernel* kernels = AvailableTextScanKernels(&kernel_count);
  for (std::size_t k = 0; k < kernel_count; ++k) {
    const TextScan scan = kernels[k].scan(text, length);
    FUZZ_CHECK(scan.tabs == expected.tabs);
    FUZZ_CHECK(scan.ended == expected.ended);
  }

  // Blocks of 1 to 300 bytes, as reads of a pipe could deliver them.
  std::int64_t total = 0;
  for (std::size_t at = 0; at < length;) {
    seed = seed * 1103515245u + 12345u;
    const std::size_t block = std::min<std::size_t>(1 + (seed >> 16) % 300, length - at);
    const bool go_on = QuintrelU::CountTabsInBlock({text + at, block}, &total);
    at += block;
    FUZZ_CHECK(go_on || expected.ended);
    if (!go_on) break;
  }
  FUZZ_CHECK(total == expected.tabs);

  // And the whole way through the reader, from a file in memory.
  const int fd = memfd_create("text", MFD_CLOEXEC);
  FUZZ_CHECK(fd >= 0);
  FUZZ_CHECK(write(fd, text, length) == static_cast<ssize_t>(length));
  std::int64_t count = -1;
  FUZZ_CHECK(QuintrelU::TallyTabs("/proc/self/fd/" + std::to_string(fd), count));
  close(fd);
  FUZZ_CHECK(count == expected.tabs);
  return 0;
}
