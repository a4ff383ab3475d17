#pragma once

#include <cstdint>

// GBK (code page 936) bytes of a BMP character: 0 when GBK has none, a value below 0x100
// for a single byte, otherwise lead byte * 256 + trail byte.
uint16_t gbkCode(char16_t c);
