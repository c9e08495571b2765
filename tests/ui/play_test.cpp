// Playing a puzzle through the window: clicks on digit buttons and cells, "Vissza", "Csak 1"
// and "Teljes", the completion question, and the results on disk.
#include <QCheckBox>
#include <QtTest>

#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"

using namespace kvadrix::test;
using Texts = std::vector<std::string>;

namespace {

constexpr char kLoadAGame[] = "Kérem töltsön be egy játékot!";

std::string Question(const char* time) {
  return std::string("Ön kirakta a feladványt!\r\nIdeje: ") + time +
         "\r\nBetöltődjön új feladvány?";
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<PlayFolder>();
    // Many givens, so the singles decide every cell and "Teljes" goes all the way.
    folder_->WritePuzzles({{10001, "E", 1, GivensOfSolvedGrid(31)},
                           {10002, "E", 2, GivensOfSolvedGrid(45)},
                           {20001, "A", 1, GivensOfSolvedGrid(50)}});
    folder_->WritePlayers({"Anna"});
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    w_->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
    Click(w_->Find<QPushButton>("Btovabb"));
    QCOMPARE(Take(), Texts{kLoadAGame});
    QCOMPARE(w_->window->session().player().key, 101);
  }

  // From "Tovább" to the result on disk, by clicks only.
  void AWholeGameByClicks() {
    Load("Könnyű", "1");
    QCOMPARE(Text("Lmaradt"), QStringLiteral("50"));
    int left = 50;
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        if (Cell(row, col)->text() != QStringLiteral("_")) continue;
        if (left == 1) {
          w_->dialogs.answers.push_back(false);                 // No: stay on the solved grid
          QTRY_COMPARE(Text("Lido"), QStringLiteral("02:27"));  // the clock's tick came
        }
        w_->clock.AdvanceTicks(3);
        Click(w_->Find<QPushButton>(
            qPrintable(QStringLiteral("B%1").arg(SolvedGridDigit(row, col)))));
        QTest::mouseClick(Cell(row, col), Qt::LeftButton);
        QCOMPARE(Cell(row, col)->text(), QString::number(SolvedGridDigit(row, col)));
        QCOMPARE(Text("Lmaradt"), QString::number(--left));
      }
    }
    // The question quotes the clock as last shown; the result reads the time again: 150 ticks.
    QCOMPARE(Take(), Texts{Question("02:27")});
    QCOMPARE(Text("Lido"), QStringLiteral("02:27"));
    QVERIFY(!w_->window->session().ClockRuns());
    const auto results =
        Rows(Reloaded(kvadrix::players::MakeResultTable, folder_->File("eredmenyek.xml")));
    QCOMPARE(results.size(), size_t(1));
    QVERIFY(results[0].starts_with("101|10001|2025-12-09|150"));
    const auto last =
        Rows(Reloaded(kvadrix::players::MakeLastGameTable, folder_->File("utolso.xml")));
    QCOMPARE(last, (std::vector<std::string>{"101|10001|TRUE|-|-"}));
    QVERIFY(w_->Find<QPushButton>("Bundo")->isEnabled());  // the moves stay, the game is over

    // Loading the same puzzle again shows the new best time.
    Load("Könnyű", "1");
    QCOMPARE(Text("Lnaeredmeny"), QStringLiteral("02:30"));
    QCOMPARE(Text("Lnevvalaki"), QStringLiteral("Anna"));
    QCOMPARE(Text("Lnveredmeny"), QStringLiteral("02:30"));
  }

  // Vissza through an erase and a restore, with every message of the cells on the way.
  void UndoChainThroughEraseAndRestore() {
    Load("Könnyű", "1");
    // Without the techniques a cell keeps several candidates, so an erase there is refused.
    QTest::mouseClick(w_->Find<QCheckBox>("CBO"), Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(!w_->Find<QCheckBox>("CBE")->isChecked());
    auto* undo = w_->Find<QPushButton>("Bundo");
    QStringList candidates_at_start;
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) candidates_at_start << Candidates(r, c);
    }
    int row = 1, col = 1;
    while (Cell(row, col)->text() != QStringLiteral("_") || Candidates(row, col).size() < 2) {
      col == 9 ? (++row, col = 1) : ++col;
    }
    const int digit = SolvedGridDigit(row, col);
    Click(w_->Find<QPushButton>(qPrintable(QStringLiteral("B%1").arg(digit))));
    QTest::mouseClick(Cell(row, col), Qt::LeftButton);
    QVERIFY(undo->isEnabled());
    Click(w_->Find<QPushButton>("B0"));
    QTest::mouseClick(Cell(row, col), Qt::LeftButton);
    QCOMPARE(Cell(row, col)->text(), QStringLiteral("_"));
    QTest::mouseClick(Cell(row, col), Qt::LeftButton);  // erase an empty cell: refused
    QCOMPARE(Take(), Texts{"Nem törölhetsz innen!"});
    QTest::mouseClick(Cell(given_row_, given_col_), Qt::LeftButton);
    QCOMPARE(Take(), Texts{"Ez alap érték, nem lehet törölni!"});

    QTest::mouseClick(undo, Qt::LeftButton);  // the erase taken back: the digit is back
    QCOMPARE(Cell(row, col)->text(), QString::number(digit));
    QCOMPARE(Text("Lmaradt"), QStringLiteral("49"));
    QVERIFY(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);  // and the placement: empty again
    QCOMPARE(Cell(row, col)->text(), QStringLiteral("_"));
    QCOMPARE(Text("Lmaradt"), QStringLiteral("50"));
    QVERIFY(!undo->isEnabled());
    QStringList candidates_now;
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) candidates_now << Candidates(r, c);
    }
    QCOMPARE(candidates_now, candidates_at_start);
    QVERIFY(Take().empty());
  }

  // Teljes solves an easy puzzle; Yes starts the next; after the last numbered one, none.
  void CompleteAndTheNextPuzzle() {
    Load("Könnyű", "2");
    w_->dialogs.answers = {true};
    w_->clock.AdvanceTicks(75);
    QStringList shown_with_the_question;  // the question shows over the completed grid
    w_->dialogs.on_show = [&](const std::string&) {
      shown_with_the_question = {Text("Lmaradt"), Cell(9, 9)->text()};
    };
    Click(w_->Find<QPushButton>("Bteljes"));
    QCOMPARE(Take(), Texts{Question("00:00")});  // the timer has not refreshed the text yet
    QCOMPARE(shown_with_the_question,
             (QStringList{QStringLiteral("0"), QString::number(SolvedGridDigit(9, 9))}));
    w_->dialogs.on_show = {};
    QCOMPARE(w_->window->session().PuzzleId(), 20001);
    QVERIFY(w_->window->session().ClockRuns());
    QVERIFY(!w_->Find<QPushButton>("Bundo")->isEnabled());
    QCOMPARE(Text("Lmaradt"), QStringLiteral("31"));
    QCOMPARE(Rows(Reloaded(kvadrix::players::MakeResultTable, folder_->File("eredmenyek.xml"))),
             (std::vector<std::string>{"101|10002|2025-12-09|75"}));
    QCOMPARE(Rows(Reloaded(kvadrix::players::MakeLastGameTable, folder_->File("utolso.xml"))),
             (std::vector<std::string>{"101|10002|TRUE|-|-"}));

    // The last numbered puzzle: Yes clears the board and starts nothing.
    w_->dialogs.answers = {true};
    Click(w_->Find<QPushButton>("Bteljes"));
    QCOMPARE(Take(), (Texts{Question("00:00"), "Nincs több feladvány!"}));
    QVERIFY(!w_->window->session().ClockRuns());
    QCOMPARE(Text("Lmaradt"), QStringLiteral("81"));

    // "Csak 1" on the empty grid finds nothing.
    Click(w_->Find<QPushButton>("Bcsak1"));
    QCOMPARE(Take(), Texts{"Nem találtam beírandó számot"});
  }

  void cleanup() {
    w_.reset();
    folder_.reset();
  }

 private:
  void Load(const char* level, const char* number) {
    w_->Find<QComboBox>("CBBe")->setCurrentText(QString::fromUtf8(level));
    w_->Find<QComboBox>("CBjatek")->setCurrentText(QString::fromUtf8(number));
    Click(w_->Find<QPushButton>("Bbetoltes"));
    QVERIFY(w_->window->session().ClockRuns());
    for (given_row_ = 1, given_col_ = 1; Cell(given_row_, given_col_)->text() == "_";) {
      given_col_ == 9 ? (++given_row_, given_col_ = 1) : ++given_col_;
    }
  }
  QLabel* Cell(int row, int col) const {
    return w_->window->findChild<QLabel*>(QStringLiteral("L%1%2").arg(row).arg(col));
  }
  QString Candidates(int row, int col) const {
    return w_->window->findChild<QLabel*>(QStringLiteral("S%1%2").arg(row).arg(col))->text();
  }
  QString Text(const char* label) const { return w_->Find<QLabel>(label)->text(); }
  Texts Take() { return std::exchange(w_->dialogs.texts, {}); }

  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
  int given_row_ = 1, given_col_ = 1;
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
