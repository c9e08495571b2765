#pragma once
// Choosing a puzzle on the play page and moving to the next one, over the PuzzleTable's view.
// The view is whatever the table shows at the moment: the whole table after a game started, one
// level after the level was changed, or the failed choice after a load that found no single
// puzzle. Each function leaves the table's cursor on the puzzle to start, if any; starting it
// (and removing the filter) is StartGameFromPuzzle's.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/outcome.h"
#include "tables/table_store.h"

namespace kvadrix::puzzles {

inline constexpr std::string_view kChooseLevel = "Kérem válasszon ki egy szintet!";
inline constexpr std::string_view kNoSinglePuzzle =
    "Hiba történt, kérem válasszon ki egy másik játékot!";
inline constexpr std::string_view kNoMorePuzzles = "Nincs több feladvány!";
// Follows the quoted game number text that is no whole number.
inline constexpr std::string_view kNotAWholeNumber = " nem érvényes szám.";

// The game number box and its count label for a level.
struct GameNumberList {
  std::string count_label;         // Ldb: "(" + count + ")"
  std::vector<std::string> items;  // CBjatek items "1" .. count
  std::string text;                // CBjatek text: "1", or empty when there is no puzzle
};

// CBBeChange: a level name filters the table to that level (the filter stays on) and lists its
// game numbers; any other text lists none and leaves the table alone.
GameNumberList ChangeLevel(tables::TableStore& puzzles, std::string_view level_text);

// The selectors at start: ChangeLevel for the first level of kLevels, then the whole library in
// view again. The number text is "1" even when the level has no puzzle.
GameNumberList PrepareFirstLevel(tables::TableStore& puzzles);

// done: the cursor is on the one puzzle to start. Otherwise `message` is the refusal, and
// "Excel-be" is disabled with it unless the number text was no number, which stops the load
// before anything but the Board changed.
struct LoadChoice : Outcome {
  bool keeps_export = false;
};

// BbetoltesClick after the Board was reset: filters the table to the level and game number and
// starts the puzzle when exactly one matches; otherwise the filter stays on. An empty game
// number (a level without puzzles leaves the box empty) matches nothing and leaves the table
// alone; any other text that is not a whole number is refused with kNotAWholeNumber and changes
// nothing. A library that failed to load throws kvadrix::Error with its load error.
LoadChoice ChoosePuzzle(tables::TableStore& puzzles, std::string_view level_text,
                        std::string_view number_text);

struct NextPuzzle {
  enum class Action {
    kNothing,  // the current puzzle is not in the view: no message, no game
    kNoMore,   // show kNoMorePuzzles; no game starts
    kStart,    // set the texts below (each only when given) and start the puzzle
  };
  Action action = Action::kNothing;
  int32_t id = 0;                          // the new CurrentPuzzleId
  std::optional<std::string> level_text;   // CBBe; none: an ID not starting with 1..5
  std::optional<std::string> number_text;  // CBjatek; none: an ID of one character
};

// LoadNextPuzzle's search after ClearGame: the puzzle that follows the current one in the view.
NextPuzzle FindNextPuzzle(tables::TableStore& puzzles, int32_t current_id);

// ReloadCurrentPuzzle's search after ClearGame: the current puzzle again.
NextPuzzle FindCurrentPuzzle(tables::TableStore& puzzles, int32_t current_id);

}  // namespace kvadrix::puzzles
