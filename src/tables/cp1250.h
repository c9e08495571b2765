#pragma once
// Code page 1250, the single-byte encoding of the table files, against Unicode.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvadrix::tables {

// What Cp1250ToCodePoint gives for the five bytes the code page leaves unassigned (0x81, 0x83,
// 0x88, 0x90, 0x98): no text typed in the code page holds them, so a file that does is damaged.
inline constexpr uint32_t kUnassignedByte = 0xFFFF;

// The code point of a byte, or kUnassignedByte.
uint32_t Cp1250ToCodePoint(unsigned char byte);

// The byte of a code point, or -1 when the code page has none.
int CodePointToCp1250(uint32_t code_point);

// Appends the bytes as UTF-8 up to the first unassigned byte and returns its position;
// std::string_view::npos when there is none.
size_t AppendCp1250AsUtf8(std::string& out, std::string_view bytes);

}  // namespace kvadrix::tables
