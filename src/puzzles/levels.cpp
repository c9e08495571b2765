#include "puzzles/levels.h"

#include "puzzles/puzzle_table.h"

namespace kvadrix::puzzles {

std::optional<char> LevelCodeFromName(std::string_view name) {
  for (const Level& level : kLevels) {
    if (level.name == name) return level.code;
  }
  return std::nullopt;
}

std::string_view LevelNameFromCode(std::string_view code) {
  if (code.size() != 1) return {};
  for (const Level& level : kLevels) {
    if (level.code == code[0] && level.digit != 0) return level.name;
  }
  return {};
}

std::optional<std::string_view> LevelNameFromId(int id) {
  const char first = std::to_string(id)[0];
  for (const Level& level : kLevels) {
    if (level.digit != 0 && first == '0' + level.digit) return level.name;
  }
  return std::nullopt;
}

std::optional<int> GameNumberFromId(int id) {
  const std::string text = std::to_string(id);
  if (text.size() < 2 || text[0] == '-') return std::nullopt;
  return std::stoi(text.substr(1, 4));
}

int NumberWithinLevel(int id) {
  std::string text = std::to_string(id);
  text[0] = '0';
  return std::stoi(text);
}

std::string LevelNameOrIdText(int id) {
  const auto name = LevelNameFromId(id);
  return name ? std::string(*name) : std::to_string(id);
}

bool IsBeyondNumberedLevels(int id) { return id > kLastNumberedId; }

std::optional<int> PuzzleId(char code, int number) {
  for (const Level& level : kLevels) {
    if (level.code == code && level.digit != 0) return level.digit * 10000 + number;
  }
  return std::nullopt;
}

std::string LevelFilter(char code) { return std::string(kNehezseg) + "='" + code + "'"; }

std::string GameFilter(char code, int number) {
  return LevelFilter(code) + " and " + std::string(kSorszam) + "=" + std::to_string(number);
}

}  // namespace kvadrix::puzzles
