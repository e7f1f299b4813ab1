// The vector passes, each in a file of its own compiled for its instruction set.
#pragma once

#include "scan/text_scan.h"

TextScan ScanTextSse2(const unsigned char* data, std::size_t size);
TextScan ScanTextAvx2(const unsigned char* data, std::size_t size);
