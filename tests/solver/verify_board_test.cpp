#include "solver/verify_board.h"

#include <gtest/gtest.h>

#include <utility>

namespace kvadrix::solver {
namespace {

board::Board Filled(int (*digit)(int row, int col)) {
  board::Board board;
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) board.Set(r, c, digit(r, c));
  }
  return board;
}

int Solved(int r, int c) { return (3 * ((r - 1) % 3) + (r - 1) / 3 + (c - 1)) % 9 + 1; }
int LatinOnly(int r, int c) { return (r + c) % 9 + 1; }  // rows and columns fine, boxes not

TEST(VerifyBoard, AcceptsOnlyAGridWithEveryDigitOncePerRowColumnAndBox) {
  const board::Board solved = Filled(Solved);
  EXPECT_TRUE(VerifyBoard(solved));
  EXPECT_FALSE(VerifyBoard(Filled(LatinOnly)));
  EXPECT_FALSE(VerifyBoard(board::Board()));

  board::Board swapped = solved;  // rows stay complete, two columns break
  const int a = swapped.At(1, 1), b = swapped.At(1, 2);
  swapped.Set(1, 1, b);
  swapped.Set(1, 2, a);
  EXPECT_FALSE(VerifyBoard(swapped));

  board::Board holed = solved;
  holed.Set(9, 9, 0);
  EXPECT_FALSE(VerifyBoard(holed));
}

}  // namespace
}  // namespace kvadrix::solver
