#include <gtest/gtest.h>

#include <filesystem>

#include "player_fixture.h"
#include "players/add_player.h"
#include "players/player_list.h"
#include "players/player_tables.h"

namespace kvadrix::players {
namespace {

class PlayerManagement : public PlayerFiles {};

TEST_F(PlayerManagement, AddingStoresTheRowOwnerOnlyAndSeedsFromTheClock) {
  EXPECT_TRUE(ReloadPlayerList(players_, folder_.path()).empty());
  EXPECT_FALSE(std::filesystem::exists(folder_ / kPlayerFile));  // a missing file is not made

  ScriptedRandom random({424242});
  const AddOutcome added = AddPlayer(players_, folder_.path(),
                                     NewPlayer{"Anna", "titok", "titok", 2, 3}, clock_, random);
  EXPECT_TRUE(added.done);
  EXPECT_EQ(added.message, "A felvitel sikerült");
  EXPECT_EQ(added.key, 424242);
  EXPECT_EQ(random.seeds, (std::vector<uint64_t>{3888000000000 + 21600000}));
  EXPECT_EQ(random.bounds, (std::vector<uint32_t>{1000000}));

  const std::filesystem::path file = folder_ / kPlayerFile;
  EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  tables::TableStore stored = Reloaded(MakePlayerTable, file);
  EXPECT_EQ(Rows(stored), (std::vector<std::string>{"424242|Anna|titok|2|3"}));
  EXPECT_EQ(stored.ChangeLog(), (std::vector<uint32_t>{1, 0, 4}));

  Add(Player("Béla", "", 1), 7);
  EXPECT_EQ(StoredRows(), (std::vector<std::string>{"424242|Anna|titok|2|3", "7|Béla||1|1"}));
  EXPECT_EQ(Reloaded(MakePlayerTable, file).ChangeLog(), (std::vector<uint32_t>{1, 0, 4, 2, 0, 4}));
  EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
      << "a replaced player file stays private";
  EXPECT_EQ(ReloadPlayerList(players_, folder_.path()), (std::vector<std::string>{"Anna", "Béla"}));
  EXPECT_FALSE(players_.Filtered());
}

TEST_F(PlayerManagement, AddingRefusesAndChangesNothing) {
  Add(Player("O'Neil", "x"), 1);
  const std::string before = ReadBytes(folder_ / kPlayerFile);
  const auto refusal = [&](NewPlayer player) {
    ScriptedRandom random;
    const AddOutcome outcome = AddPlayer(players_, folder_.path(), player, clock_, random);
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(players_.Filtered());
    EXPECT_TRUE(random.bounds.empty()) << "no key is drawn for a refused player";
    return outcome.message;
  };
  EXPECT_EQ(refusal(NewPlayer{"Dóra", "abc", "abd", 1, 1}), "A két jelszó nem egyezik meg!");
  EXPECT_EQ(refusal(NewPlayer{"Dóra", "abc", "ABC", 1, 1}), "A két jelszó nem egyezik meg!");
  // The name check is exact: an apostrophe is quoted in the filter, not a syntax error.
  EXPECT_EQ(refusal(Player("O'Neil", "y")),
            "Ilyen név már szerepel az adatbázisban, kérlek más nevet adj meg!");
  EXPECT_EQ(refusal(Player("Anna🙂", "y")),
            "A név olyan karaktert tartalmaz, amelyet a program nem tud tárolni!");
  EXPECT_EQ(refusal(Player("Anna", "kulcs✓")),
            "A jelszó olyan karaktert tartalmaz, amelyet a program nem tud tárolni!");
  EXPECT_EQ(refusal(Player("Ab", "")), "A név 3-10 karakter hosszú lehet!");
  EXPECT_EQ(refusal(Player("Árvíztűrőtü", "")), "A név 3-10 karakter hosszú lehet!");
  EXPECT_EQ(refusal(Player("Anna", "12345678901")), "A jelszó legfeljebb 10 karakter lehet!");
  EXPECT_EQ(ReadBytes(folder_ / kPlayerFile), before);

  // Letters of the file's code page, ten characters, and another case are all fine.
  Add(Player("o'neil", "€ő"), 2);
  Add(Player("Árvíztűrőt", "Árvíztűrőt"), 3);
  EXPECT_EQ(StoredRows(), (std::vector<std::string>{"1|O'Neil|x|1|1", "2|o'neil|€ő|1|1",
                                                    "3|Árvíztűrőt|Árvíztűrőt|1|1"}));
}

TEST_F(PlayerManagement, ElevenTakenKeysStoreNothingAndTheTwelfthAddTakesAFreeOne) {
  Add(Player("Anna", ""), 7);
  const std::string before = ReadBytes(folder_ / kPlayerFile);
  ScriptedRandom all_taken({7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
  const AddOutcome refused =
      AddPlayer(players_, folder_.path(), Player("Béla", ""), clock_, all_taken);
  EXPECT_FALSE(refused.done);
  EXPECT_EQ(refused.message, "Kérem próbálkozzon újra!");
  EXPECT_EQ(all_taken.bounds.size(), 11u);
  EXPECT_FALSE(players_.Filtered());
  EXPECT_EQ(players_.RecordCount(), 1);
  EXPECT_EQ(ReadBytes(folder_ / kPlayerFile), before);

  ScriptedRandom last_try({7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 999999});
  const AddOutcome added =
      AddPlayer(players_, folder_.path(), Player("Béla", ""), clock_, last_try);
  EXPECT_TRUE(added.done);
  EXPECT_EQ(added.key, 999999);
  EXPECT_EQ(StoredRows(), (std::vector<std::string>{"7|Anna||1|1", "999999|Béla||1|1"}));
}

}  // namespace
}  // namespace kvadrix::players
