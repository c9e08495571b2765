// Damaged table files, one whole session each: every damage of every file is reported, at start
// and where the file is next used, with the store's own message; the other tables go on working;
// and the damaged file is on disk byte for byte as it was when the program ends.
#include <sys/stat.h>

#include <QtTest>
#include <algorithm>
#include <cstring>
#include <set>

#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "support/ui/window_steps.h"

using namespace kvadrix::test;

namespace {

enum Damage {
  kTruncated,
  kBadByte,
  kBadUtf8,
  kWrongFields,
  kUnknownState,
  kTwoLastGames,
  kPipe,      // a named pipe with no writer: opening it to read would wait forever
  kLinkLoop,  // a link to itself
};

// The steps of the session, in order; a row's `where` says at which of them its message shows.
enum Step : int {
  kStart = 1,          // the window is made
  kAdd = 2,            // "Hozzáad" ... "Felvitel" for Dóra
  kDelete = 4,         // "Töröl", Béla chosen, "Törlés"
  kEnterPlay = 8,      // "Tovább" for Anna
  kFinish = 16,        // "Betöltés" of a puzzle with one empty cell, and the cell filled
  kCloseMidGame = 32,  // "Betöltés" of another one, and the window closed
};
constexpr Step kSteps[] = {kStart, kAdd, kDelete, kEnterPlay, kFinish, kCloseMidGame};

constexpr char kLeave[] = "A félbehagyott játék nem lett elmentve.\r\nKilép mentés nélkül?";
constexpr char kDeclaration[] = "<?xml version=\"1.0\" standalone=\"yes\"?>";
constexpr char kUtf8Declaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";

std::string Place(size_t offset) { return " (1. sor, " + std::to_string(offset + 1) + ". oszlop)"; }

// The last field of each file, renamed in its definition and its rows.
struct Renamed {
  std::string from, to;
  std::string reason;
};

Renamed RenamedField(const std::string& file) {
  const std::string no_match = "a mezői nem egyeznek a tábla mezőivel (a fájlban: ";
  if (file == "sudoku.xml") return {"Mezok", "Mezo", "hiányzik a(z) \"Mezok\" mező"};
  if (file == "jatekosok.xml") {
    return {"szint", "szintje",
            no_match +
                "kod i4, nev string 15, jelszo string 10, szin i4, szintje i4; a táblában: " +
                "kod i4, nev string 15, jelszo string 10, szin i4, szint i4)"};
  }
  if (file == "eredmenyek.xml") {
    return {"ido", "idok",
            no_match + "nevkod i4, jatekkod i4, datum date, idok i4; a táblában: nevkod i4, " +
                "jatekkod i4, datum date, ido i4)"};
  }
  return {"mezok", "mezo",
          no_match + "nevkod i4, jatekkod i4, teljes boolean, felbe i4, mezo string 20; a " +
              "táblában: nevkod i4, jatekkod i4, teljes boolean, felbe i4, mezok string 20)"};
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// Damages a healthy file; `reason` becomes what the store says about it.
std::string Damaged(std::string bytes, const std::string& file, Damage damage,
                    std::string& reason) {
  const size_t first_row = bytes.find("<ROW ");
  const size_t first_value = bytes.find("=\"", first_row) + 2;
  switch (damage) {
    case kTruncated:
      reason = "hibás XML: a fájl idő előtt véget ér (csonka)" + Place(first_row);
      return bytes.substr(0, first_row + 10);
    case kBadByte:  // a byte code page 1250 has no character for
      reason = "érvénytelen bájt az 1250-es kódlapban: 0x81" + Place(first_value);
      return bytes.insert(first_value, "\x81");
    case kBadUtf8: {  // a code page 1250 "é" in a file that says it is UTF-8
      bytes.replace(0, std::strlen(kDeclaration), kUtf8Declaration);
      const size_t at = bytes.find("=\"", bytes.find("<ROW ")) + 2;
      reason = "hibás XML: érvénytelen karakter vagy jel" + Place(at);
      return bytes.insert(at, "\xE9");
    }
    case kWrongFields: {
      const Renamed renamed = RenamedField(file);
      reason = renamed.reason;
      ReplaceAll(bytes, "attrname=\"" + renamed.from + "\"", "attrname=\"" + renamed.to + "\"");
      ReplaceAll(bytes, " " + renamed.from + "=\"", " " + renamed.to + "=\"");
      return bytes;
    }
    case kUnknownState:
      reason = "ismeretlen RowState érték: \"16\"" + Place(first_row);
      if (bytes.compare(first_row, 15, "<ROW RowState=\"") == 0) {
        return bytes.replace(first_row + 15, 1, "16");  // the row was appended: state 4
      }
      return bytes.insert(first_row + 4, " RowState=\"16\"");
    case kTwoLastGames:
    case kPipe:
    case kLinkLoop:
      reason = "";
      return bytes;
  }
  return bytes;
}

const char* const kTableFiles[] = {"sudoku.xml", "jatekosok.xml", "eredmenyek.xml", "utolso.xml"};

// The file's bytes; what an entry that is no file is (reading a pipe would wait for a writer).
std::string Contents(const PlayFolder& folder, const std::string& name) {
  struct stat info;
  if (::lstat(folder.File(name).c_str(), &info) == 0 && S_ISFIFO(info.st_mode)) return "(pipe)";
  std::error_code not_a_link;
  const std::filesystem::path target = std::filesystem::read_symlink(folder.File(name), not_a_link);
  if (!not_a_link) return "(link to " + target.string() + ")";
  return folder.ReadText(name);
}

// A pipe or a link loop in place of the file.
void ReplaceByEntry(const PlayFolder& folder, const std::string& name, Damage damage,
                    std::string& reason) {
  std::filesystem::remove(folder.File(name));
  if (damage == kPipe) {
    QVERIFY(::mkfifo(folder.File(name).c_str(), 0600) == 0);
    reason = "ez egy csővezeték, nem fájl";
  } else {
    std::filesystem::create_symlink(name, folder.File(name));
    reason = "a szimbolikus linkek körbe mutatnak";
  }
}

std::vector<std::string> AllBytes(const PlayFolder& folder) {
  std::vector<std::string> bytes;
  for (const char* file : kTableFiles) bytes.push_back(Contents(folder, file));
  return bytes;
}

}  // namespace

class DamagedFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryDamageIsReportedAndTheFileKept_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("damage");
    QTest::addColumn<int>("where");
    // Each file is read at start and used again later: the library by every "Betöltés", the
    // players by adding, deleting and entering play, the results by a finished game and by a
    // deletion, the last games by all but adding.
    const struct {
      const char* file;
      int where;
    } files[] = {
        {"sudoku.xml", kStart | kFinish | kCloseMidGame},
        {"jatekosok.xml", kStart | kAdd | kDelete | kEnterPlay},
        {"eredmenyek.xml", kStart | kDelete | kFinish},
        {"utolso.xml", kStart | kDelete | kEnterPlay | kFinish | kCloseMidGame},
    };
    const char* damages[] = {"truncated", "byte not in code page 1250", "bad UTF-8", "wrong fields",
                             "unknown RowState"};
    for (const auto& [file, where] : files) {
      for (int damage = kTruncated; damage <= kUnknownState; ++damage) {
        QTest::newRow((std::string(file) + ": " + damages[damage]).c_str())
            << QString::fromLatin1(file) << damage << where;
      }
      // Entries that are no file fail as damaged ones do, and are left as they are.
      QTest::newRow((std::string(file) + ": a pipe").c_str())
          << QString::fromLatin1(file) << int(kPipe) << where;
      QTest::newRow((std::string(file) + ": a link loop").c_str())
          << QString::fromLatin1(file) << int(kLinkLoop) << where;
    }
    // A well-formed file that breaks the one-row-per-player rule loads; its uses say "baj van!".
    QTest::newRow("utolso.xml: two rows for one player")
        << QStringLiteral("utolso.xml") << int(kTwoLastGames)
        << (kEnterPlay | kFinish | kCloseMidGame);
  }

  void EveryDamageIsReportedAndTheFileKept() {
    QFETCH(QString, file);
    QFETCH(int, damage);
    QFETCH(int, where);
    const std::string name = file.toStdString();
    PlayFolder folder;
    folder.WritePuzzles({{10001, "E", 1, GivensOfSolvedGrid(80)},
                         {10002, "E", 2, GivensOfSolvedGrid(60)},
                         {10003, "E", 3, GivensOfSolvedGrid(40)}});
    folder.WritePlayers({"Anna", "Béla"});  // keys 101, 102
    folder.WriteResults({{101, 10003, 500}, {102, 10003, 300}});
    if (damage == kTwoLastGames) {
      folder.WriteLastGames({{101, 10003, true, 0}, {101, 10002, false, 40}});
    } else {
      // Béla's own row would be the first thing his deletion writes.
      folder.WriteLastGames({{101, 10003, true, 0}, {102, 10002, false, 7}});
    }
    std::string reason;
    if (damage == kPipe || damage == kLinkLoop) {
      ReplaceByEntry(folder, name, Damage(damage), reason);
    } else {
      folder.WriteText(name, Damaged(folder.ReadText(name), name, Damage(damage), reason));
    }
    const std::string damaged_bytes = Contents(folder, name);
    const std::string message =
        damage == kTwoLastGames
            ? "baj van!"
            : "A(z) \"" + folder.File(name).string() + "\" fájl nem olvasható: " + reason + ".";

    auto w = std::make_unique<WindowUnderTest>(folder);
    NamesPage page(*w);
    QVERIFY(ShowWindow(*w));
    for (const Step step : kSteps) {
      const std::vector<std::string> files_before = AllBytes(folder);
      Texts normal;
      switch (step) {
        case kStart:
          break;
        case kAdd:
          w->random.draws = {555};
          AddThroughForm(page, QStringLiteral("Dóra"), {}, {});
          normal = {"A felvitel sikerült"};
          break;
        case kDelete:
          Click(page.Btorol);
          if (Pick(page.dbnevek, QStringLiteral("Béla"))) Click(page.Btorles);
          normal = {"A játékos összes adata törlődött!"};
          break;
        case kEnterPlay:
          Retype(page.Ekiv, QStringLiteral("Anna"));
          w->dialogs.answers = {false};
          Click(page.Btovabb);
          normal = {"Az utolsó befejezett játéka a/az: Könnyű/3. Betöltsem a következőt?"};
          break;
        case kFinish:
          LoadPuzzle(*w, QStringLiteral("Könnyű"), QStringLiteral("1"));
          w->dialogs.answers = {false};
          if (ClockRuns(*w)) FillEmptyCells(*w);
          normal = {CompletionQuestion(LabelText(*w, "Lido"))};
          // A result that could not be saved leaves the game running.
          QCOMPARE(ClockRuns(*w), name == "eredmenyek.xml" && damage != kTwoLastGames);
          break;
        case kCloseMidGame:
          LoadPuzzle(*w, QStringLiteral("Könnyű"), QStringLiteral("2"));
          w->clock.AdvanceTicks(40);
          w->dialogs.answers = {true};  // leave, when asked
          QVERIFY(w->window->close());
          break;
      }
      Texts shown = normal;
      if (where & step) {
        shown = {message};
        // The game could not be stored: leave without it? (The library gave no game to store.)
        if (step == kCloseMidGame && name != "sudoku.xml") shown.push_back(kLeave);
        // Where the damage shows nothing is written, but a finished game's result.
        std::vector<std::string> files_after = AllBytes(folder);
        if (step == kFinish) files_after[2] = files_before[2];
        QVERIFY(files_after == files_before);
      }
      QCOMPARE(Lines(TakeTexts(*w)), Lines(shown));
    }
    w.reset();

    QCOMPARE(Contents(folder, name), damaged_bytes);
    QCOMPARE(folder.Entries(), (std::set<std::string>{"sudoku.xml", "jatekosok.xml",
                                                      "eredmenyek.xml", "utolso.xml"}));
    // The other tables worked and their files still load: a finished game was recorded.
    for (const auto& [other, make] :
         {std::pair{"jatekosok.xml", &kvadrix::players::MakePlayerTable},
          std::pair{"eredmenyek.xml", &kvadrix::players::MakeResultTable},
          std::pair{"utolso.xml", &kvadrix::players::MakeLastGameTable}}) {
      if (other != name) Reloaded(make, folder.File(other));
    }
    if (name != "sudoku.xml" && name != "eredmenyek.xml") {
      const Texts results =
          Rows(Reloaded(kvadrix::players::MakeResultTable, folder.File("eredmenyek.xml")));
      QVERIFY(std::any_of(results.begin(), results.end(),
                          [](const std::string& row) { return row.find("|10001|") != row.npos; }));
    }
  }
};

QTEST_MAIN(DamagedFilesTest)
#include "damaged_files_test.moc"
