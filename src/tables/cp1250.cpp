#include "tables/cp1250.h"

#include <algorithm>
#include <array>
#include <utility>

#include "tables/table_store.h"
#include "tables/utf8.h"

namespace kvadrix::tables {
namespace {

constexpr uint16_t kNone = kUnassignedByte;

constexpr std::array<uint16_t, 128> kHighHalf = {
    0x20AC, kNone,  0x201A, kNone,  0x201E, 0x2026, 0x2020, 0x2021,  //
    kNone,  0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    kNone,  0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

using ReverseTable = std::array<std::pair<uint16_t, uint8_t>, 128>;

ReverseTable MakeReverseTable() {
  ReverseTable table{};
  for (int i = 0; i < 128; ++i) table[i] = {kHighHalf[i], static_cast<uint8_t>(0x80 + i)};
  std::sort(table.begin(), table.end());
  return table;
}

}  // namespace

uint32_t Cp1250ToCodePoint(unsigned char byte) {
  return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

int CodePointToCp1250(uint32_t code_point) {
  if (code_point < 0x80) return static_cast<int>(code_point);
  if (code_point > 0xFFFF || code_point == kNone) return -1;
  static const ReverseTable reverse = MakeReverseTable();
  const auto it =
      std::lower_bound(reverse.begin(), reverse.end(), std::pair<uint16_t, uint8_t>(code_point, 0),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
  if (it == reverse.end() || it->first != code_point) return -1;
  return it->second;
}

size_t AppendCp1250AsUtf8(std::string& out, std::string_view bytes) {
  for (size_t pos = 0; pos < bytes.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(bytes[pos]);
    if (byte < 0x80) {
      out += bytes[pos];
    } else if (const uint16_t code_point = kHighHalf[byte - 0x80]; code_point != kNone) {
      AppendUtf8(out, code_point);
    } else {
      return pos;
    }
  }
  return std::string_view::npos;
}

bool FitsCodePage1250(std::string_view utf8) {
  for (size_t pos = 0; pos < utf8.size();) {
    const int32_t code_point = DecodeUtf8(utf8, pos);
    if (code_point == kBadUtf8 || CodePointToCp1250(static_cast<uint32_t>(code_point)) < 0) {
      return false;
    }
  }
  return true;
}

}  // namespace kvadrix::tables
