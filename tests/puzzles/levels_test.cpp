#include "puzzles/levels.h"

#include <gtest/gtest.h>

namespace kvadrix::puzzles {
namespace {

TEST(Levels, NamesAndCodesMapBothWaysExceptTheOthers) {
  EXPECT_EQ(LevelCodeFromName("Könnyű"), 'E');
  EXPECT_EQ(LevelCodeFromName("Közepes"), 'A');
  EXPECT_EQ(LevelCodeFromName("Nehéz"), 'H');
  EXPECT_EQ(LevelCodeFromName("Mester"), 'M');
  EXPECT_EQ(LevelCodeFromName("Lehetetlen"), 'I');
  EXPECT_EQ(LevelCodeFromName("Többi"), 'T');
  for (const char* other : {"", "könnyű", "Konnyu", "Mester ", "Nehez"}) {
    EXPECT_EQ(LevelCodeFromName(other), std::nullopt) << other;
  }
  EXPECT_EQ(LevelNameFromCode("E"), "Könnyű");
  EXPECT_EQ(LevelNameFromCode("A"), "Közepes");
  EXPECT_EQ(LevelNameFromCode("H"), "Nehéz");
  EXPECT_EQ(LevelNameFromCode("M"), "Mester");
  EXPECT_EQ(LevelNameFromCode("I"), "Lehetetlen");
  for (const char* other : {"T", "", "e", "X", "EA"}) EXPECT_EQ(LevelNameFromCode(other), "");
}

TEST(Levels, IdGivesLevelAndGameNumber) {
  EXPECT_EQ(LevelNameFromId(10001), "Könnyű");
  EXPECT_EQ(GameNumberFromId(10001), 1);
  EXPECT_EQ(LevelNameFromId(20042), "Közepes");
  EXPECT_EQ(GameNumberFromId(20042), 42);
  EXPECT_EQ(LevelNameFromId(30500), "Nehéz");
  EXPECT_EQ(LevelNameFromId(41234), "Mester");
  EXPECT_EQ(LevelNameFromId(59999), "Lehetetlen");
  EXPECT_EQ(GameNumberFromId(59999), 9999);
  EXPECT_FALSE(IsBeyondNumberedLevels(59999));
  EXPECT_TRUE(IsBeyondNumberedLevels(60000));
  EXPECT_EQ(LevelNameFromId(60000), std::nullopt);
  EXPECT_EQ(LevelNameFromId(70001), std::nullopt);
  EXPECT_EQ(GameNumberFromId(7), std::nullopt);
  EXPECT_EQ(GameNumberFromId(123456), 2345) << "characters two to five only";

  EXPECT_EQ(NumberWithinLevel(20017), 17);
  EXPECT_EQ(NumberWithinLevel(123456), 23456) << "the whole rest of the text";
  EXPECT_EQ(LevelNameOrIdText(40003), "Mester");
  EXPECT_EQ(LevelNameOrIdText(60001), "60001");

  EXPECT_EQ(PuzzleId('A', 42), 20042);
  EXPECT_EQ(PuzzleId('E', 1), 10001);
  EXPECT_EQ(PuzzleId('T', 1), std::nullopt);
  EXPECT_EQ(LevelFilter('E'), "Nehezseg='E'");
  EXPECT_EQ(GameFilter('E', 7), "Nehezseg='E' and Sorszam=7");
}

}  // namespace
}  // namespace kvadrix::puzzles
