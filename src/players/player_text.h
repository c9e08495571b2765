#pragma once
// Checks on typed names and passwords before they reach the player file. The file holds text
// in code page 1250, so a character outside it could only be stored mangled; the fields hold
// 10 characters as typed, so a longer text would be cut and never match again.
#include <optional>
#include <string>
#include <string_view>

namespace kvadrix::players {

inline constexpr int kMinNameLength = 3;
inline constexpr int kMaxNameLength = 10;
inline constexpr int kMaxPasswordLength = 10;

inline constexpr std::string_view kNameNotStorable =
    "A név olyan karaktert tartalmaz, amelyet a program nem tud tárolni!";
inline constexpr std::string_view kPasswordNotStorable =
    "A jelszó olyan karaktert tartalmaz, amelyet a program nem tud tárolni!";
inline constexpr std::string_view kNameLength = "A név 3-10 karakter hosszú lehet!";
inline constexpr std::string_view kPasswordLength = "A jelszó legfeljebb 10 karakter lehet!";

// Characters, not bytes.
int TextLength(std::string_view text);

// EujnevChange: "Felvitel" is enabled from the third character on.
bool NameLongEnough(std::string_view name);

// The refusal for a name or password the file cannot hold as typed; none when it can. The
// window asks as the text is typed, and every action asks again before it stores anything.
std::optional<std::string> CheckName(std::string_view name);
std::optional<std::string> CheckPassword(std::string_view password);

// The first 10 characters: CurrentPlayer's name taken from "Kiválasztott játékos:".
std::string CurrentPlayerName(std::string_view text);

}  // namespace kvadrix::players
