// The counting pass over a block of text: one read of each byte finds the first byte 26, which
// ends a text, and counts the bytes 9 before it.
#pragma once

#include <cstddef>
#include <cstdint>

/// What one pass over a block found.
struct TextScan {
  std::int64_t tabs;  // bytes 9 before the end of the text
  bool ended;         // a byte 26 ended the text inside the block
};

using TextScanner = TextScan (*)(const unsigned char* data, std::size_t size);

/// Counts with the fastest pass this processor runs.
TextScan ScanText(const unsigned char* data, std::size_t size);

/// The plain byte loop: the fallback, and the reference for every faster pass.
TextScan ScanTextPlain(const unsigned char* data, std::size_t size);

struct TextScanKernel {
  const char* name;
  TextScanner scan;
};

/// Every pass this processor runs, fastest first, the plain loop last; *count receives their
/// number.
const TextScanKernel* AvailableTextScanKernels(std::size_t* count);
