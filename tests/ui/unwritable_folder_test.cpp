// A play folder that cannot be written (a full disk, a folder or file system without write
// permission, a failing flush): adding a player, finishing a game and closing during one show
// the store's error, leave every table in memory and on disk as it was, and the game goes on:
// the same action done again once the disk takes writes stores it once.
#include <sys/stat.h>

#include <QTableView>
#include <QtTest>
#include <set>

#include "players/player_tables.h"
#include "support/failing_writer.h"
#include "support/temp_folder.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "support/ui/window_steps.h"

using namespace kvadrix::test;
using kvadrix::tables::FileWriter;
using kvadrix::tables::ScopedFileWriter;
using kvadrix::tables::testing::FailingWriter;
using kvadrix::tables::testing::WriterCall;

namespace {

enum Action { kAddPlayer, kFinishGame, kCloseMidGame };

constexpr char kLeave[] = "A félbehagyott játék nem lett elmentve.\r\nKilép mentés nélkül?";

// Only the saves of one table file fail, as when just its disk fills up between two saves.
class OneFileFails : public FileWriter {
 public:
  explicit OneFileFails(std::string file) : temporary_prefix_("." + std::move(file) + ".") {}
  int Open(const std::filesystem::path& file, int flags, mode_t mode) override {
    if (file.filename().string().starts_with(temporary_prefix_)) {
      errno = ENOSPC;
      return -1;
    }
    return FileWriter::Open(file, flags, mode);
  }

 private:
  std::string temporary_prefix_;
};

std::string NotSaved(const PlayFolder& folder, const char* file, const std::string& reason) {
  return "A(z) \"" + folder.File(file).string() + "\" fájl nem menthető: " + reason + ".";
}

// The best time shown for Anna on the summary page in the puzzle's row: what the ResultTable
// holds in memory.
QString SummaryTime(const WindowUnderTest& w, int puzzle_row) {
  QTabBar* bar = w.Find<QTabWidget>("TB")->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
  const QString time = w.Find<QTableView>("Racs")->model()->index(puzzle_row, 2).data().toString();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  return time;
}

}  // namespace

class UnwritableFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<PlayFolder>();
    folder_->WritePuzzles(
        {{10001, "E", 1, GivensOfSolvedGrid(80)}, {10002, "E", 2, GivensOfSolvedGrid(60)}});
    folder_->WritePlayers({"Anna"});
    folder_->WriteResults({{101, 10002, 4000}});
    folder_->WriteLastGames({{101, 10002, true, 0}});
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    QVERIFY(ShowWindow(*w_));
  }
  void cleanup() {
    w_.reset();
    folder_.reset();
  }

  void WritesThatFailChangeNothingAndTheGameGoesOn_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("error_number");
    QTest::addColumn<QString>("reason");
    const struct {
      const char* label;
      WriterCall call;
      int error_number;
      const char* reason;
    } failures[] = {
        {"full disk", WriterCall::kWrite, ENOSPC, "megtelt a lemez"},
        {"folder without write permission", WriterCall::kOpen, EACCES, "nincs hozzá jogosultság"},
        {"read-only file system", WriterCall::kOpen, EROFS, "a fájlrendszer csak olvasható"},
        {"failing flush", WriterCall::kSync, EIO, "lemezhiba"},
    };
    const char* actions[] = {"adding a player", "finishing a game", "closing mid-game"};
    for (int action = kAddPlayer; action <= kCloseMidGame; ++action) {
      for (const auto& failure : failures) {
        QTest::newRow((std::string(actions[action]) + ", " + failure.label).c_str())
            << action << int(failure.call) << failure.error_number
            << QString::fromUtf8(failure.reason);
      }
    }
  }

  void WritesThatFailChangeNothingAndTheGameGoesOn() {
    QFETCH(int, action);
    QFETCH(int, call);
    QFETCH(int, error_number);
    QFETCH(QString, reason);
    FailingWriter failing(WriterCall(call), error_number, 25);
    const std::vector<std::string> files_before = AllFiles();
    switch (action) {
      case kAddPlayer: {
        NamesPage page(*w_);
        w_->random.draws = {555, 556};
        {
          const ScopedFileWriter unwritable(failing);
          AddThroughForm(page, QStringLiteral("Dóra"), QStringLiteral("pw"), QStringLiteral("pw"));
        }
        QCOMPARE(TakeTexts(*w_), Texts{NotSaved(*folder_, "jatekosok.xml", reason.toStdString())});
        QCOMPARE(AllFiles(), files_before);
        QCOMPARE(Items(page.Mnevek), QStringList{QStringLiteral("Anna")});
        // The form is as it was: "Felvitel" again, and the player is stored once.
        Click(page.Bujfelvitel);
        QCOMPARE(TakeTexts(*w_), Texts{"A felvitel sikerült"});
        QCOMPARE(Items(page.Mnevek), (QStringList{QStringLiteral("Anna"), QStringLiteral("Dóra")}));
        QCOMPARE(Rows(Reloaded(kvadrix::players::MakePlayerTable, folder_->File("jatekosok.xml"))),
                 (Texts{"101|Anna||1|1", "556|Dóra|pw|1|1"}));
        break;
      }
      case kFinishGame: {
        EnterPlayAndLoad(QStringLiteral("1"));
        QLabel* last = nullptr;
        {
          const ScopedFileWriter unwritable(failing);
          last = FillEmptyCells(*w_);
        }
        QCOMPARE(TakeTexts(*w_), Texts{NotSaved(*folder_, "eredmenyek.xml", reason.toStdString())});
        QCOMPARE(AllFiles(), files_before);
        QVERIFY(ClockRuns(*w_));  // nothing was recorded: the game goes on
        QCOMPARE(SummaryTime(*w_, 0), QString());
        // The cell emptied and filled again records the game, once.
        EraseAndRefill(last);
        QCOMPARE(TakeTexts(*w_), Texts{CompletionQuestion(LabelText(*w_, "Lido"))});
        QVERIFY(!ClockRuns(*w_));
        QCOMPARE(Rows(Reloaded(kvadrix::players::MakeResultTable, folder_->File("eredmenyek.xml"))),
                 (Texts{"101|10002|2023-03-15|4000", "101|10001|2025-12-09|90"}));
        QCOMPARE(Rows(Reloaded(kvadrix::players::MakeLastGameTable, folder_->File("utolso.xml"))),
                 Texts{"101|10001|TRUE|0|-"});
        break;
      }
      case kCloseMidGame: {
        EnterPlayAndLoad(QStringLiteral("2"));
        w_->clock.AdvanceTicks(40);
        w_->dialogs.answers = {false};  // stay
        {
          const ScopedFileWriter unwritable(failing);
          QVERIFY(!w_->window->close());
        }
        QCOMPARE(TakeTexts(*w_),
                 (Texts{NotSaved(*folder_, "utolso.xml", reason.toStdString()), kLeave}));
        QCOMPARE(AllFiles(), files_before);
        QVERIFY(w_->window->isVisible());
        QVERIFY(ClockRuns(*w_));
        // Closed again once the disk takes writes: the game is stored once, with its time.
        w_->clock.AdvanceTicks(10);
        QVERIFY(w_->window->close());
        QVERIFY(TakeTexts(*w_).empty());
        const kvadrix::tables::TableStore stored =
            Reloaded(kvadrix::players::MakeLastGameTable, folder_->File("utolso.xml"));
        QCOMPARE(Rows(stored), Texts{"101|10002|FALSE|50|-"});
        QCOMPARE(stored.ChangeLog(), (std::vector<uint32_t>{1, 0, 4, 2, 1, 8}));
        break;
      }
    }
    QCOMPARE(folder_->Entries(), (std::set<std::string>{"sudoku.xml", "jatekosok.xml",
                                                        "eredmenyek.xml", "utolso.xml"}));
  }

  // The result is saved, its last-game row is not: the result stays, nothing is asked, and the
  // last-game file and table are as they were.
  void OnlyTheLastGameRowFails() {
    EnterPlayAndLoad(QStringLiteral("1"));
    const std::string last_games = folder_->ReadText("utolso.xml");
    OneFileFails failing("utolso.xml");
    {
      const ScopedFileWriter unwritable(failing);
      FillEmptyCells(*w_);
    }
    QCOMPARE(TakeTexts(*w_), Texts{NotSaved(*folder_, "utolso.xml", "megtelt a lemez")});
    QVERIFY(!ClockRuns(*w_));
    QCOMPARE(folder_->ReadText("utolso.xml"), last_games);
    QCOMPARE(
        Rows(Reloaded(kvadrix::players::MakeResultTable, folder_->File("eredmenyek.xml"))).size(),
        size_t(2));
    QCOMPARE(SummaryTime(*w_, 0), QStringLiteral("00:00"));
    // The game is over: closing stores nothing.
    QVERIFY(w_->window->close());
    QCOMPARE(folder_->ReadText("utolso.xml"), last_games);
  }

  // A real folder without write permission, where permissions bind (not for the superuser).
  void FolderWithoutWritePermission() {
    if (!kvadrix::testing::PermissionsBind()) QSKIP("permissions do not bind this process");
    NamesPage page(*w_);
    const std::vector<std::string> files_before = AllFiles();
    ::chmod(folder_->Path().c_str(), 0555);
    AddThroughForm(page, QStringLiteral("Dóra"), {}, {});
    ::chmod(folder_->Path().c_str(), 0755);
    QCOMPARE(TakeTexts(*w_), Texts{NotSaved(*folder_, "jatekosok.xml", "nincs hozzá jogosultság")});
    QCOMPARE(AllFiles(), files_before);
    Click(page.Bujfelvitel);
    QCOMPARE(TakeTexts(*w_), Texts{"A felvitel sikerült"});
  }

  // A player file made read-only in a writable folder: the rename would succeed, but the file
  // is left as it is, and so is the player list.
  void FileWithoutWritePermission() {
    if (!kvadrix::testing::PermissionsBind()) QSKIP("permissions do not bind this process");
    NamesPage page(*w_);
    const std::vector<std::string> files_before = AllFiles();
    ::chmod(folder_->File("jatekosok.xml").c_str(), 0444);
    AddThroughForm(page, QStringLiteral("Dóra"), {}, {});
    QCOMPARE(TakeTexts(*w_), Texts{NotSaved(*folder_, "jatekosok.xml", "nincs hozzá jogosultság")});
    QCOMPARE(AllFiles(), files_before);
    QCOMPARE(page.Mnevek->count(), 1);
    ::chmod(folder_->File("jatekosok.xml").c_str(), 0644);
    Click(page.Bujfelvitel);
    QCOMPARE(TakeTexts(*w_), Texts{"A felvitel sikerült"});
    QCOMPARE(page.Mnevek->count(), 2);
  }

 private:
  std::vector<std::string> AllFiles() const {
    std::vector<std::string> bytes;
    for (const char* file : {"sudoku.xml", "jatekosok.xml", "eredmenyek.xml", "utolso.xml"}) {
      bytes.push_back(folder_->ReadText(file));
    }
    return bytes;
  }

  // "Tovább" for Anna, No to her last game, and the puzzle of that number.
  void EnterPlayAndLoad(const QString& number) {
    w_->dialogs.answers = {false};
    Click(w_->Find<QPushButton>("Btovabb"));
    TakeTexts(*w_);
    LoadPuzzle(*w_, QStringLiteral("Könnyű"), number);
    QVERIFY(ClockRuns(*w_));
  }

  void EraseAndRefill(QLabel* cell) {
    QVERIFY(cell != nullptr);
    Click(w_->Find<QPushButton>("B0"));
    QTest::mouseClick(cell, Qt::LeftButton);
    w_->clock.AdvanceTicks(90);
    FillEmptyCells(*w_);
  }

  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
};

QTEST_MAIN(UnwritableFolderTest)
#include "unwritable_folder_test.moc"
