#include "puzzles/puzzle_selection.h"

#include <charconv>

#include "puzzles/levels.h"
#include "puzzles/puzzle_table.h"

namespace kvadrix::puzzles {
namespace {

int32_t CurrentId(tables::TableStore& puzzles) { return puzzles.FieldByName(kId).AsInteger(); }

// The cursor is on the puzzle to start, unless it lies beyond the numbered levels.
NextPuzzle StartHere(tables::TableStore& puzzles) {
  NextPuzzle next;
  next.id = CurrentId(puzzles);
  if (IsBeyondNumberedLevels(next.id)) {
    next.action = NextPuzzle::Action::kNoMore;
    return next;
  }
  next.action = NextPuzzle::Action::kStart;
  if (const auto name = LevelNameFromId(next.id)) next.level_text.emplace(*name);
  if (const auto number = GameNumberFromId(next.id))
    next.number_text.emplace(std::to_string(*number));
  return next;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<int32_t> ParseGameNumber(std::string_view text) {
  std::string_view digits = Trimmed(text);
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  int32_t number = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, number);
  if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
  return number;
}

LoadChoice Refusal(std::string message, bool keeps_export = false) {
  LoadChoice refused = Refused<LoadChoice>(message);
  refused.keeps_export = keeps_export;
  return refused;
}

}  // namespace

GameNumberList ChangeLevel(tables::TableStore& puzzles, std::string_view level_text) {
  const std::optional<char> code = LevelCodeFromName(level_text);
  int count = 0;
  if (code) {
    puzzles.SetFiltered(true);
    puzzles.SetFilter(LevelFilter(*code));
    count = puzzles.RecordCount();
  }
  std::vector<std::string> items;
  for (int number = 1; number <= count; ++number) items.push_back(std::to_string(number));
  std::string label = std::to_string(count);
  label.insert(label.begin(), '(');
  label.push_back(')');
  return GameNumberList{std::move(label), std::move(items), count > 0 ? "1" : ""};
}

GameNumberList PrepareFirstLevel(tables::TableStore& puzzles) {
  GameNumberList list = ChangeLevel(puzzles, kLevels.front().name);
  list.text = "1";
  ShowWholeLibrary(puzzles);
  return list;
}

LoadChoice ChoosePuzzle(tables::TableStore& puzzles, std::string_view level_text,
                        std::string_view number_text) {
  if (level_text.empty()) return Refusal(std::string(kChooseLevel));
  puzzles.RequireOpen();  // a library that failed to load says so, not "choose another game"
  if (Trimmed(number_text).empty()) return Refusal(std::string(kNoSinglePuzzle));
  const std::optional<char> code = LevelCodeFromName(level_text);
  const std::optional<int32_t> parsed = ParseGameNumber(number_text);
  if (!parsed) {
    return Refusal("\"" + std::string(number_text) + "\"" + std::string(kNotAWholeNumber), true);
  }
  const int32_t number = *parsed;
  // Text that names no level selects no puzzle, through an empty level code.
  puzzles.SetFilter(code ? GameFilter(*code, number)
                         : std::string(kNehezseg) + "='' and " + std::string(kSorszam) + "=" +
                               std::to_string(number));
  puzzles.SetFiltered(true);
  if (puzzles.RecordCount() == 1) {
    LoadChoice start;
    start.done = true;
    return start;
  }
  return Refusal(std::string(kNoSinglePuzzle));
}

NextPuzzle FindNextPuzzle(tables::TableStore& puzzles, int32_t current_id) {
  puzzles.First();
  bool found = false;
  const int count = puzzles.RecordCount();
  for (int step = 0; step < count; ++step) {
    if (CurrentId(puzzles) == current_id) found = true;
    puzzles.Next();
    if (!found) continue;
    // Next stays on the last record: the current puzzle was the last one.
    if (CurrentId(puzzles) == current_id) {
      NextPuzzle none;
      none.action = NextPuzzle::Action::kNoMore;
      return none;
    }
    return StartHere(puzzles);
  }
  return NextPuzzle{};
}

NextPuzzle FindCurrentPuzzle(tables::TableStore& puzzles, int32_t current_id) {
  puzzles.First();
  const int count = puzzles.RecordCount();
  for (int step = 0; step < count; ++step, puzzles.Next()) {
    if (CurrentId(puzzles) == current_id) return StartHere(puzzles);
  }
  return NextPuzzle{};
}

}  // namespace kvadrix::puzzles
