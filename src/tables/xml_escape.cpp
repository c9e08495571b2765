#include "tables/xml_escape.h"

#include <array>

#include "tables/cp1250.h"
#include "tables/utf8.h"

namespace kvadrix::tables {
namespace {

enum AsciiClass : unsigned char { kPlain, kEscape, kForbidden };

constexpr std::array<AsciiClass, 128> MakeAsciiClasses() {
  std::array<AsciiClass, 128> classes{};
  for (int c = 0; c < 0x20; ++c) classes[c] = kForbidden;
  for (const char c : {'<', '>', '&', '\'', '"', '\r', '\n', '\t', '\\'}) classes[c] = kEscape;
  return classes;
}

constexpr std::array<AsciiClass, 128> kAsciiClasses = MakeAsciiClasses();

std::string_view EscapeOf(char c) {
  switch (c) {
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '&':
      return "&amp;";
    case '\'':
      return "&apos;";
    case '"':
      return "&quot;";
    case '\r':
      return "&#013;";
    case '\n':
      return "&#010;";
    case '\t':
      return "&#009;";
    default:
      return "&#092;";  // the backslash
  }
}

}  // namespace

bool AppendEscapedCp1250(std::string& out, std::string_view utf8) {
  size_t pos = 0;
  while (pos < utf8.size()) {
    // Runs of plain ASCII are copied whole.
    size_t run_end = pos;
    while (run_end < utf8.size()) {
      const auto byte = static_cast<unsigned char>(utf8[run_end]);
      if (byte >= 0x80 || kAsciiClasses[byte] != kPlain) break;
      ++run_end;
    }
    out.append(utf8.data() + pos, run_end - pos);
    pos = run_end;
    if (pos == utf8.size()) break;
    const auto byte = static_cast<unsigned char>(utf8[pos]);
    if (byte < 0x80) {
      if (kAsciiClasses[byte] == kForbidden) return false;
      out.append(EscapeOf(utf8[pos]));
      ++pos;
      continue;
    }
    const int32_t code_point = DecodeUtf8(utf8, pos);
    if (code_point == kBadUtf8) return false;
    const int cp1250 = CodePointToCp1250(static_cast<uint32_t>(code_point));
    if (cp1250 < 0) return false;
    out += static_cast<char>(cp1250);
  }
  return true;
}

bool StorableInFile(std::string_view utf8) {
  std::string scratch;
  scratch.reserve(utf8.size() * 2);
  return AppendEscapedCp1250(scratch, utf8);
}

}  // namespace kvadrix::tables
