#pragma once
// Code page 1250, the single-byte encoding of the table files, against Unicode.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvadrix::tables {

// The code point of a byte. The five bytes the code page leaves unassigned map to the C1 code
// points of the same value, so every file reads and writes back unchanged.
uint32_t Cp1250ToCodePoint(unsigned char byte);

// The byte of a code point, or -1 when the code page has none.
int CodePointToCp1250(uint32_t code_point);

void AppendCp1250AsUtf8(std::string& out, std::string_view bytes);

}  // namespace kvadrix::tables
