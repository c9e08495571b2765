// The library records and their file: numbering, givens text and the exact bytes written.
#include "puzzlegen/library.h"

#include <gtest/gtest.h>

#include "support/table_test_support.h"

namespace kvadrix::puzzlegen {
namespace {

TEST(LibraryTest, RecordsAreNumberedPerLevelAndListGivensRowByRow) {
  solver::Grid81 first{}, second{};
  first[0] = 5;    // row 1, column 1
  first[80] = 9;   // row 9, column 9
  first[11] = 3;   // row 2, column 3
  second[40] = 7;  // row 5, column 5
  const std::vector<LibraryRecord> easy = NumberLevel('E', {first, second});
  ASSERT_EQ(easy.size(), 2u);
  EXPECT_EQ(easy[0].id, 10001);
  EXPECT_EQ(easy[0].number, 1);
  EXPECT_EQ(easy[0].level, 'E');
  EXPECT_EQ(easy[0].mezok, "115233999");
  EXPECT_EQ(easy[1].id, 10002);
  EXPECT_EQ(easy[1].mezok, "557");
  EXPECT_EQ(NumberLevel('I', {first})[0].id, 50001);
  const std::vector<LibraryRecord> other = NumberLevel('T', {first, second});
  EXPECT_EQ(other[0].id, kFirstOtherId);
  EXPECT_EQ(other[1].id, kFirstOtherId + 1);
  EXPECT_EQ(other[1].number, 2);
}

TEST(LibraryTest, FileIsOneLineWithoutHistory) {
  tables::testing::TempFolder dir;
  WriteLibrary(dir / "sudoku.xml", {{10001, 'E', 1, "115233"}, {60001, 'T', 1, "999"}});
  EXPECT_EQ(tables::testing::ReadBytes(dir / "sudoku.xml"),
            "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA>"
            "<FIELDS><FIELD attrname=\"ID\" fieldtype=\"i4\"/><FIELD attrname=\"Nehezseg\" "
            "fieldtype=\"string\" WIDTH=\"1\"/><FIELD attrname=\"Sorszam\" fieldtype=\"i4\"/>"
            "<FIELD attrname=\"Mezok\" fieldtype=\"string\" WIDTH=\"243\"/></FIELDS><PARAMS/>"
            "</METADATA><ROWDATA><ROW ID=\"10001\" Nehezseg=\"E\" Sorszam=\"1\" Mezok=\"115233\"/>"
            "<ROW ID=\"60001\" Nehezseg=\"T\" Sorszam=\"1\" Mezok=\"999\"/></ROWDATA>"
            "</DATAPACKET>");
}

}  // namespace
}  // namespace kvadrix::puzzlegen
