#include "players/player_text.h"

#include "tables/table_store.h"
#include "tables/utf8.h"

namespace kvadrix::players {

int TextLength(std::string_view text) { return static_cast<int>(tables::CountCodePoints(text)); }

bool NameLongEnough(std::string_view name) { return TextLength(name) >= kMinNameLength; }

std::optional<std::string> CheckName(std::string_view name) {
  if (!tables::FitsCodePage1250(name)) return std::string(kNameNotStorable);
  const int length = TextLength(name);
  if (length < kMinNameLength || length > kMaxNameLength) return std::string(kNameLength);
  return std::nullopt;
}

std::optional<std::string> CheckPassword(std::string_view password) {
  if (!tables::FitsCodePage1250(password)) return std::string(kPasswordNotStorable);
  if (TextLength(password) > kMaxPasswordLength) return std::string(kPasswordLength);
  return std::nullopt;
}

std::string CurrentPlayerName(std::string_view text) {
  return std::string(tables::CutToCodePoints(text, kMaxNameLength));
}

}  // namespace kvadrix::players
