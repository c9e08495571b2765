#pragma once
// Small UTF-8 helpers: the store counts string widths in characters, not bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvadrix::tables {

inline constexpr int32_t kBadUtf8 = -1;

// The code point starting at text[pos], advancing pos past it; kBadUtf8 (and one byte further)
// for a malformed sequence, an overlong form, a surrogate or a value above U+10FFFF.
int32_t DecodeUtf8(std::string_view text, size_t& pos);

void AppendUtf8(std::string& out, uint32_t code_point);

// Characters in the text; each malformed byte counts as one.
size_t CountCodePoints(std::string_view text);

// The longest start of the text holding at most max_chars characters.
std::string_view CutToCodePoints(std::string_view text, size_t max_chars);

}  // namespace kvadrix::tables
