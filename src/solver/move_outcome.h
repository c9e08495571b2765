#pragma once
// What a move did, returned to its caller instead of calling back: the window shows the message
// and runs the completion after the move has returned, when the game is whole again.
#include <string_view>

namespace kvadrix::solver {

struct MoveOutcome {
  enum class Kind {
    kNothing,         // no cell changed: an empty undo log, a "Teljes" that found nothing
    kMoved,           // a digit was placed or erased; the grid is not full
    kRefused,         // the rules said no: nothing changed, `message` says why
    kCompleted,       // the last empty cell was filled and the solution holds: the game ends
    kCompletedWrong,  // the last empty cell was filled, but a unit repeats a digit
  };

  Kind kind = Kind::kNothing;
  // Shown after the move: the refusal, kSolutionWrong, or what "Teljes" or "Csak 1" report.
  std::string_view message;

  bool Completed() const { return kind == Kind::kCompleted; }
  bool FilledTheGrid() const { return kind == Kind::kCompleted || kind == Kind::kCompletedWrong; }

  static MoveOutcome Moved() { return {Kind::kMoved, {}}; }
  static MoveOutcome Refused(std::string_view why) { return {Kind::kRefused, why}; }
};

}  // namespace kvadrix::solver
