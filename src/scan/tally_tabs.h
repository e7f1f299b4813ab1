// QuintrelU: the tab scanner.
#pragma once

#include <cstdint>
#include <string>

#include "platform/text_reader.h"
#include "platform/unit_table.h"

namespace QuintrelU {

/// Sets count to the number of bytes 9 in the file before its first byte 26 (or its end).
/// Every failure raises EInOutError; count then holds the tabs read so far. Always true.
bool TallyTabs(const std::string& file_name, std::int64_t& count);

/// What TallyTabs does with each block it reads: adds its tabs to *tab_total (an int64_t);
/// false once a byte 26 has ended the text.
bool CountTabsInBlock(Runtime::ByteBlock block, void* tab_total);

extern const Runtime::Unit kUnit;

}  // namespace QuintrelU
