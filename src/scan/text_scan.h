// The counting pass over a block of text.
#pragma once

#include <cstddef>
#include <cstdint>

/// What one pass over a block found.
struct TextScan {
  std::int64_t tabs;  // bytes 9 before the end of the text
  bool ended;         // a byte 26 ended the text inside the block
};

/// Counts the tabs in [data, data + size) up to the first byte 26, which ends a text.
TextScan ScanText(const unsigned char* data, std::size_t size);

/// The plain byte loop: the fallback, and the reference for every faster pass.
TextScan ScanTextPlain(const unsigned char* data, std::size_t size);
