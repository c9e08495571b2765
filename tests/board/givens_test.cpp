#include "board/givens.h"

#include <gtest/gtest.h>

#include <string>

#include "common/error.h"

namespace kvadrix::board {
namespace {

TEST(Givens, TriplesGoOntoTheBoardInAnyOrder) {
  GameState state;
  ApplyGivens(state, "115239");
  EXPECT_EQ(state.board.At(1, 1), 5);
  EXPECT_EQ(state.board.At(2, 3), 9);
  EXPECT_EQ(state.candidates.Text(2, 3), "");
  EXPECT_EQ(state.candidates.Text(1, 2), "123456789");
  EXPECT_EQ(state.remaining_count, 79);

  std::string thirty;
  for (int i = 0; i < 30; ++i) {
    thirty += char('1' + i / 9);
    thirty += char('1' + i % 9);
    thirty += char('1' + (i * 4) % 9);
  }
  GameState full;
  ApplyGivens(full, thirty);
  EXPECT_EQ(full.remaining_count, 51);
}

TEST(Givens, ABrokenRecordIsRefusedBeforeAnythingIsPlaced) {
  const std::string broken[] = {"",       "1152", "11523",  "115230",      "115 39",
                                "115x39", "11a",  "115-39", "1152\xC3\xA9"};
  for (const std::string& text : broken) {
    GameState state;
    ResetBoard(state);
    try {
      ApplyGivens(state, text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()).rfind("Hibás feladvány: ", 0), 0u) << error.what();
    }
    EXPECT_EQ(state.board, Board()) << text;
    EXPECT_EQ(state.remaining_count, 81);
  }
  EXPECT_NO_THROW(ValidateGivens("999"));
}

}  // namespace
}  // namespace kvadrix::board
