#include "tables/input_encoding.h"

#include <cstdio>
#include <optional>
#include <string>

#include "common/error.h"
#include "tables/cp1250.h"
#include "tables/field_types.h"

namespace kvadrix::tables {
namespace {

constexpr char kUtf8[] = "UTF-8";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The encoding named in the XML declaration, if any.
std::optional<std::string_view> DeclaredEncoding(std::string_view file) {
  if (file.substr(0, 5) != "<?xml") return std::nullopt;
  const size_t end = file.find("?>");
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view declaration = file.substr(0, end);
  const size_t key = declaration.find("encoding");
  if (key == std::string_view::npos) return std::nullopt;
  size_t pos = key + 8;
  while (pos < declaration.size() && IsSpace(declaration[pos])) ++pos;
  if (pos >= declaration.size() || declaration[pos] != '=') return std::nullopt;
  ++pos;
  while (pos < declaration.size() && IsSpace(declaration[pos])) ++pos;
  if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\'')) {
    return std::nullopt;
  }
  const size_t close = declaration.find(declaration[pos], pos + 1);
  if (close == std::string_view::npos) return std::nullopt;
  return declaration.substr(pos + 1, close - pos - 1);
}

bool NamesCp1250(std::string_view encoding) {
  return EqualsIgnoreCase(encoding, "windows-1250") || EqualsIgnoreCase(encoding, "cp1250") ||
         EqualsIgnoreCase(encoding, "x-cp1250");
}

bool IsAscii(std::string_view bytes) {
  unsigned char any_high = 0;
  for (const char c : bytes) any_high |= static_cast<unsigned char>(c);
  return any_high < 0x80;
}

// Where a byte stands, as the parser's own errors say it.
std::string Position(std::string_view file, size_t offset) {
  size_t line = 1, line_start = 0;
  for (size_t pos = 0; pos < offset; ++pos) {
    if (file[pos] == '\n') {
      ++line;
      line_start = pos + 1;
    }
  }
  return std::to_string(line) + ". sor, " + std::to_string(offset - line_start + 1) + ". oszlop";
}

}  // namespace

ExpatInput PrepareExpatInput(std::string_view file) {
  const auto starts_with = [&](std::string_view prefix) {
    return file.substr(0, prefix.size()) == prefix;
  };
  if (starts_with("\xEF\xBB\xBF")) return {file, kUtf8, false};
  if (starts_with("\xFE\xFF") || starts_with("\xFF\xFE")) return {file, nullptr, false};
  const std::optional<std::string_view> encoding = DeclaredEncoding(file);
  if (encoding && (EqualsIgnoreCase(*encoding, "UTF-8") || EqualsIgnoreCase(*encoding, "UTF8"))) {
    return {file, kUtf8, false};
  }
  if (encoding && !NamesCp1250(*encoding)) return {file, nullptr, false};
  if (IsAscii(file)) return {file, kUtf8, false};
  for (size_t pos = 0; pos < file.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(file[pos]);
    if (byte < 0x80 || Cp1250ToCodePoint(byte) != kUnassignedByte) continue;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    throw Error(std::string("érvénytelen bájt az 1250-es kódlapban: ") + hex + " (" +
                Position(file, pos) + ")");
  }
  return {file, kUtf8, true};
}

size_t Cp1250AsUtf8Size(std::string_view bytes) {
  size_t size = bytes.size();
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) size += Cp1250ToCodePoint(byte) < 0x800 ? 1 : 2;
  }
  return size;
}

void WriteCp1250AsUtf8(std::string_view bytes, char* out) {
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      *out++ = c;
      continue;
    }
    const uint32_t code_point = Cp1250ToCodePoint(byte);  // below U+10000, and assigned
    if (code_point < 0x800) {
      *out++ = static_cast<char>(0xC0 | (code_point >> 6));
    } else {
      *out++ = static_cast<char>(0xE0 | (code_point >> 12));
      *out++ = static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    }
    *out++ = static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

}  // namespace kvadrix::tables
