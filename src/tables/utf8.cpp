#include "tables/utf8.h"

namespace kvadrix::tables {

int32_t DecodeUtf8(std::string_view text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int extra;
  uint32_t code_point;
  uint32_t min_value;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, code_point = lead & 0x1F, min_value = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, code_point = lead & 0x0F, min_value = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, code_point = lead & 0x07, min_value = 0x10000;
  } else {
    ++pos;
    return kBadUtf8;
  }
  if (pos + extra >= text.size()) {
    ++pos;
    return kBadUtf8;
  }
  for (int i = 1; i <= extra; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kBadUtf8;
    }
    code_point = (code_point << 6) | (next & 0x3F);
  }
  if (code_point < min_value || code_point > 0x10FFFF ||
      (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    ++pos;
    return kBadUtf8;
  }
  pos += extra + 1;
  return static_cast<int32_t>(code_point);
}

void AppendUtf8(std::string& out, uint32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

size_t CountCodePoints(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) DecodeUtf8(text, pos);
  return count;
}

std::string_view CutToCodePoints(std::string_view text, size_t max_chars) {
  size_t pos = 0;
  for (size_t count = 0; pos < text.size() && count < max_chars; ++count) DecodeUtf8(text, pos);
  return text.substr(0, pos);
}

}  // namespace kvadrix::tables
