#include "scan/text_scan.h"

namespace {
constexpr unsigned char kTab = 9;
constexpr unsigned char kEndOfText = 26;
}  // namespace

TextScan ScanTextPlain(const unsigned char* data, std::size_t size) {
  std::int64_t tabs = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == kEndOfText) return {tabs, true};
    tabs += data[i] == kTab;
  }
  return {tabs, false};
}

TextScan ScanText(const unsigned char* data, std::size_t size) {
  static const TextScanner fastest = [] {
    std::size_t count;
    return AvailableTextScanKernels(&count)[0].scan;
  }();
  return fastest(data, size);
}
