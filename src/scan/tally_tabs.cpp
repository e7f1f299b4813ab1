#include "scan/tally_tabs.h"

#include "platform/exceptions.h"
#include "platform/text_reader.h"
#include "scan/text_scan.h"

namespace QuintrelU {

const Unit kUnit = {"QuintrelU", nullptr, nullptr};

bool TallyTabs(const std::string& file_name, std::int64_t& count) {
  count = 0;
  TextReader reader(file_name);
  IoCheck(reader.Open());
  for (;;) {
    int error_code;
    const ByteBlock block = reader.ReadBlock(&error_code);
    IoCheck(error_code);
    if (block.size == 0) break;
    const TextScan scan = ScanText(block.data, block.size);
    count += scan.tabs;
    if (scan.ended) break;
  }
  IoCheck(reader.Close());
  return true;
}

}  // namespace QuintrelU
