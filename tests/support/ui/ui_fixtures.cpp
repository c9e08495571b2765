#include "support/ui/ui_fixtures.h"

#include <QCoreApplication>
#include <fstream>
#include <sstream>

#include "app/table_set.h"
#include "players/player_tables.h"
#include "puzzles/puzzle_table.h"
#include "tables/folder_lock.h"
#include "tables/table_store.h"

namespace kvadrix::test {
namespace {

// A solved grid; any subset of its cells is a puzzle without clashes.
constexpr char kSolved[] =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

}  // namespace

std::string GivensOfSolvedGrid(int count) {
  std::string givens;
  // Cells spread over the grid: step 7 visits every cell once (7 and 81 share no factor).
  for (int i = 0, cell = 0; i < count; ++i, cell = (cell + 7) % 81) {
    givens += char('1' + cell / 9);
    givens += char('1' + cell % 9);
    givens += kSolved[cell];
  }
  return givens;
}

int SolvedGridDigit(int row, int col) { return kSolved[(row - 1) * 9 + col - 1] - '0'; }

PlayFolder::PlayFolder() { dir_.setAutoRemove(true); }

std::filesystem::path PlayFolder::Path() const { return dir_.path().toStdString(); }

void PlayFolder::WriteText(const std::string& name, const std::string& bytes) const {
  std::ofstream out(File(name), std::ios::binary);
  out << bytes;
}

std::set<std::string> PlayFolder::Entries() const {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Path())) {
    names.insert(entry.path().filename().string());
  }
  names.erase(std::string(tables::kLockFileName));
  return names;
}

std::string PlayFolder::ReadText(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void PlayFolder::WritePuzzles(const std::vector<PuzzleRecord>& records) const {
  tables::TableStore store(puzzles::PuzzleFields());
  store.CreateDataSet();
  for (const PuzzleRecord& record : records) {
    store.Append();
    store.FieldByName("ID").SetAsInteger(record.id);
    store.FieldByName("Nehezseg").SetAsString(record.level);
    store.FieldByName("Sorszam").SetAsInteger(record.number);
    store.FieldByName("Mezok").SetAsString(record.givens);
    store.Post();
  }
  store.MergeChangeLog();
  store.SaveToFile(File("sudoku.xml"));
}

void PlayFolder::WritePlayers(const std::vector<std::string>& names) const {
  WritePlayers(names, 1);
}

void PlayFolder::WritePlayers(const std::vector<std::string>& names, int level) const {
  tables::TableStore store = players::MakePlayerTable();
  store.CreateDataSet();
  int key = 101;
  for (const std::string& name : names) {
    store.Append();
    store.FieldByName("KOD").SetAsInteger(key++);
    store.FieldByName("NEV").SetAsString(name);
    store.FieldByName("JELSZO").SetAsString("");
    store.FieldByName("SZIN").SetAsInteger(1);
    store.FieldByName("SZINT").SetAsInteger(level);
    store.Post();
  }
  store.SaveToFile(File("jatekosok.xml"));
}

void PlayFolder::WriteLastGames(const std::vector<LastGameRecord>& records) const {
  tables::TableStore store = players::MakeLastGameTable();
  store.CreateDataSet();
  for (const LastGameRecord& record : records) {
    store.Append();
    store.FieldByName("NEVKOD").SetAsInteger(record.nevkod);
    store.FieldByName("JATEKKOD").SetAsInteger(record.jatekkod);
    store.FieldByName("TELJES").SetAsBoolean(record.teljes);
    store.FieldByName("FELBE").SetAsInteger(record.felbe);
    store.Post();
  }
  store.SaveToFile(File("utolso.xml"));
}

void PlayFolder::WriteResults(const std::vector<ResultRecord>& records) const {
  tables::TableStore store = players::MakeResultTable();
  store.CreateDataSet();
  for (const ResultRecord& record : records) {
    store.Append();
    store.FieldByName("NEVKOD").SetAsInteger(record.nevkod);
    store.FieldByName("JATEKKOD").SetAsInteger(record.jatekkod);
    store.FieldByName("DATUM").SetAsDateTime(45000);
    store.FieldByName("IDO").SetAsInteger(record.ido);
    store.Post();
  }
  store.SaveToFile(File("eredmenyek.xml"));
}

std::vector<PuzzleRecord> SmallLibrary(int count_e, int count_a) {
  std::vector<PuzzleRecord> records;
  for (int n = 1; n <= count_e; ++n)
    records.push_back({10000 + n, "E", n, GivensOfSolvedGrid(30 + n)});
  for (int n = 1; n <= count_a; ++n)
    records.push_back({20000 + n, "A", n, GivensOfSolvedGrid(26 + n)});
  return records;
}

WindowUnderTest::WindowUnderTest(const PlayFolder& folder, QSize screen_size)
    : screen(screen_size) {
  window = std::make_unique<app::TTabla>(dialogs, clock, random, folder.Path(),
                                         [this] { return screen; });
  if (!app::ScopedPlayHistoryPause::Active()) WaitForPlayHistory();
}

void WindowUnderTest::WaitForPlayHistory() const {
  // As a user would, the steps start once the tables read after the first frame are in.
  if (window->StartupFailed()) return;
  window->LoadPlayHistory();  // shown or not
  while (!window->PlayHistoryLoaded()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

}  // namespace kvadrix::test
