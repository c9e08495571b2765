// The ID history's hash and its file: lines read back, bad lines refused, changed and new IDs.
#include "puzzles/id_history.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "support/temp_folder.h"

namespace kvadrix::puzzles {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(IdHistoryTest, HashesAndLinesReadBackAndBadLinesAreRefused) {
  EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325u);
  EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cu);
  EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8u);
  TempFolder folder;
  const IdHistory entries{{10001, 0x0123456789abcdefu}, {60050, Fnv1a64("115")}};
  const std::string lines = IdHistoryLines(entries);
  EXPECT_TRUE(lines.starts_with("10001\t0123456789abcdef\n60050\t")) << lines;
  WriteBytes(folder / "ids.tsv", "# comment\n\n" + lines);
  EXPECT_EQ(ReadIdHistory(folder / "ids.tsv"), entries);
  for (const std::string& bad :
       std::vector<std::string>{"10001 0123456789abcdef\n", "10001\t0123456789abcde\n",
                                "1000x\t0123456789abcdef\n", lines + "10001\tffffffffffffffff\n"}) {
    WriteBytes(folder / "ids.tsv", "# comment\n" + bad);
    EXPECT_THROW(ReadIdHistory(folder / "ids.tsv"), Error) << bad;
  }
  const std::vector<PuzzleRecord> records{{10001, "115"}, {60050, "115"}, {60051, "999"}};
  EXPECT_EQ(FirstChangedId(entries, records)->id, 10001);
  EXPECT_EQ(NewIds(entries, records), (IdHistory{{60051, Fnv1a64("999")}}));
  EXPECT_FALSE(FirstChangedId(entries, {{60050, "115"}}).has_value());
}

}  // namespace
}  // namespace kvadrix::puzzles
