// Loading a puzzle: the grid, the clock, the best times, and the selection's messages and views.
#include <QtTest>

#include "app/ui_look.h"
#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"

using kvadrix::test::GivensOfSolvedGrid;
using kvadrix::test::PlayFolder;
using kvadrix::test::PressKey;
using kvadrix::test::PuzzleRecord;
using kvadrix::test::SmallLibrary;
using kvadrix::test::WindowUnderTest;

namespace {

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

std::vector<PuzzleRecord> Library() {
  std::vector<PuzzleRecord> records = {{10001, "E", 1, GivensOfSolvedGrid(30)},
                                       {10002, "E", 2, GivensOfSolvedGrid(35)},
                                       {20001, "A", 1, GivensOfSolvedGrid(28)},
                                       {20002, "A", 2, GivensOfSolvedGrid(27)},
                                       {60001, "T", 1, GivensOfSolvedGrid(40)}};
  return records;
}

void WriteResults(const PlayFolder& folder,
                  const std::vector<std::array<int, 3>>& rows) {  // nevkod, jatekkod, ido
  kvadrix::tables::TableStore store = kvadrix::players::MakeResultTable();
  store.CreateDataSet();
  for (const auto& row : rows) {
    store.Append();
    store.FieldByName("NEVKOD").SetAsInteger(row[0]);
    store.FieldByName("JATEKKOD").SetAsInteger(row[1]);
    store.FieldByName("DATUM").SetAsDateTime(46000.5);
    store.FieldByName("IDO").SetAsInteger(row[2]);
    store.Post();
  }
  store.SaveToFile(folder.File("eredmenyek.xml"));
}

}  // namespace

class GameStartTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<PlayFolder>();
    folder_->WritePuzzles(Library());
    folder_->WritePlayers({"Anna", "Béla"});
  }

  void cleanup() {
    w_.reset();
    folder_.reset();
  }

  void LoadingAPuzzleStartsATimedGame() {
    Open();
    Choose("Könnyű", "1");
    auto& tabla = *w_->window;
    QCOMPARE(tabla.CurrentPuzzleId(), 10001);
    int givens = 0, player_cells = 0;
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        const auto cell = *tabla.LocateCellLabels(row, col);
        if (cell.digit->text() == QStringLiteral("_")) {
          ++player_cells;
          QCOMPARE(TextColour(cell.digit), kvadrix::app::kPlayerCellColour);
          QCOMPARE(cell.candidates->text().toStdString(), tabla.game().candidates.Text(row, col));
        } else {
          ++givens;
          QCOMPARE(TextColour(cell.digit), kvadrix::app::kGivenCellColour);
          QVERIFY(cell.candidates->text().isEmpty());
        }
      }
    }
    QCOMPARE(givens, 30);
    QCOMPARE(player_cells, 51);
    QCOMPARE(Text("Lmaradt"), QStringLiteral("51"));
    QVERIFY(!w_->Find<QPushButton>("Bundo")->isEnabled());
    QVERIFY(w_->Find<QPushButton>("Bexcel")->isEnabled());
    QVERIFY(tabla.ClockRuns());
    QCOMPARE(Text("Lido"), QStringLiteral("00:00"));
    w_->clock.AdvanceTicks(60);
    QTRY_COMPARE(Text("Lido"), QStringLiteral("01:00"));
    w_->clock.AdvanceTicks(40);
    QTRY_COMPARE(Text("Lido"), QStringLiteral("01:40"));
    // A clock set back shows no negative time.
    w_->clock.AdvanceTicks(-500);
    QTRY_COMPARE(Text("Lido"), QStringLiteral("00:00"));
  }

  void TheSamePuzzleStartsAfreshAndTheDigitButtonGetsTheFocus() {
    Open();
    w_->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
    QTest::mouseClick(w_->Find<QPushButton>("B0"), Qt::LeftButton);  // the eraser was chosen
    Choose("Könnyű", "1");
    QCOMPARE(w_->window->game().selected_digit, 1);
    QCOMPARE(QApplication::focusWidget(), w_->Find<QPushButton>("B1"));
    // A cell filled since the start, and time gone by.
    int empty = 0;
    while (w_->window->game().board.AtIndex(empty) != 0) ++empty;
    const int row = empty / 9 + 1, col = empty % 9 + 1;
    const auto cell = *w_->window->LocateCellLabels(row, col);
    w_->window->SetGivenCell(row, col, 9);
    w_->clock.AdvanceTicks(300);
    QTRY_COMPARE(Text("Lido"), QStringLiteral("05:00"));
    QTest::mouseClick(w_->Find<QPushButton>("B6"), Qt::LeftButton);
    w_->window->ReloadCurrentPuzzle();
    QCOMPARE(cell.digit->text(), QStringLiteral("_"));
    QCOMPARE(TextColour(cell.digit), kvadrix::app::kPlayerCellColour);
    QCOMPARE(Text("Lmaradt"), QStringLiteral("51"));
    QCOMPARE(Text("Lido"), QStringLiteral("00:00"));
    QVERIFY(w_->window->ClockRuns());
    QCOMPARE(QApplication::focusWidget(), w_->Find<QPushButton>("B6"));
  }

  void BestTimesOfThePuzzle() {
    // Key 0 is the player of a name typed by hand; before "Tovább" it is the current one.
    WriteResults(*folder_, {{0, 10001, 450}, {102, 10001, 200}, {0, 10001, 300}, {101, 10002, 99}});
    Open();
    Choose("Könnyű", "1");
    QCOMPARE(Text("Lnaeredmeny"), QStringLiteral("05:00"));
    QCOMPARE(Text("Lnevvalaki"), QStringLiteral("Béla"));
    QCOMPARE(Text("Lnveredmeny"), QStringLiteral("03:20"));
    Choose("Közepes", "2");  // nobody has solved it
    QCOMPARE(Text("Lnaeredmeny"), QStringLiteral("n.a."));
    QCOMPARE(Text("Lnevvalaki"), QStringLiteral("-------:"));
    QCOMPARE(Text("Lnveredmeny"), QStringLiteral("n.a."));
    Choose("Könnyű", "2");  // solved by another player only
    QCOMPARE(Text("Lnaeredmeny"), QStringLiteral("n.a."));
    QCOMPARE(Text("Lnevvalaki"), QStringLiteral("Anna"));
    QCOMPARE(Text("Lnveredmeny"), QStringLiteral("01:39"));
  }

  void SelectionMessages() {
    Open();
    auto* level = w_->Find<QComboBox>("CBBe");
    auto* number = w_->Find<QComboBox>("CBjatek");
    level->setCurrentText(QStringLiteral("Közepes"));
    QCOMPARE(Text("Ldb"), QStringLiteral("(2)"));
    QCOMPARE(number->count(), 2);
    QCOMPARE(number->currentText(), QStringLiteral("1"));
    level->setCurrentText(QString());
    QCOMPARE(Text("Ldb"), QStringLiteral("(0)"));
    QCOMPARE(number->count(), 0);
    QVERIFY(number->currentText().isEmpty());

    Choose("Könnyű", "2");
    QVERIFY(w_->window->ClockRuns());
    Choose("", "1");
    ExpectMessage("Kérem válasszon ki egy szintet!");
    QVERIFY(!w_->Find<QPushButton>("Bexcel")->isEnabled());
    QCOMPARE(Text("Lmaradt"), QStringLiteral("81"));  // the board was emptied first

    Choose("Könnyű", "2");
    Choose("Könnyű", "hét");
    ExpectMessage("\"hét\" nem érvényes szám.");
    QCOMPARE(Text("Lmaradt"), QStringLiteral("81"));
    // A number that is no number stops the load before "Excel-be" changes.
    QVERIFY(w_->Find<QPushButton>("Bexcel")->isEnabled());

    Choose("Nehéz", "7");  // a level without puzzles
    QCOMPARE(Text("Ldb"), QStringLiteral("(0)"));
    ExpectMessage("Hiba történt, kérem válasszon ki egy másik játékot!");
    QVERIFY(!w_->Find<QPushButton>("Bexcel")->isEnabled());

    // The level leaves the number box empty; loading then finds no puzzle.
    level->setCurrentText(QStringLiteral("Közepes"));
    level->setCurrentText(QStringLiteral("Nehéz"));
    QVERIFY(number->currentText().isEmpty());
    QTest::mouseClick(w_->Find<QPushButton>("Bbetoltes"), Qt::LeftButton);
    ExpectMessage("Hiba történt, kérem válasszon ki egy másik játékot!");
  }

  void EnterInTheNumberBoxLoads() {
    Open();
    w_->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
    w_->Find<QComboBox>("CBBe")->setCurrentText(QStringLiteral("Közepes"));
    auto* number = w_->Find<QComboBox>("CBjatek");
    number->setCurrentText(QStringLiteral("2"));
    number->lineEdit()->setFocus();
    PressKey(number, Qt::Key_Return);
    QCOMPARE(w_->window->CurrentPuzzleId(), 20002);
    QCOMPARE(QApplication::focusWidget(), w_->Find<QPushButton>("B1"));
    PressKey(number, Qt::Key_3);  // other keys are the box's own
    QCOMPARE(number->currentText(), QStringLiteral("23"));

    // A refused load ends the handler: the focus stays in the box.
    auto* b1 = w_->Find<QPushButton>("B1");
    number->lineEdit()->setFocus();
    PressKey(number, Qt::Key_Return);
    ExpectMessage("Hiba történt, kérem válasszon ki egy másik játékot!");
    QVERIFY(QApplication::focusWidget() != b1);
    number->setCurrentText(QStringLiteral("x"));
    PressKey(number, Qt::Key_Return);
    ExpectMessage("\"x\" nem érvényes szám.");
    QVERIFY(QApplication::focusWidget() != b1);
  }

  void NextPuzzleAcrossLevelsAndAtTheEnd() {
    Open();
    Choose("Könnyű", "2");
    w_->window->LoadNextPuzzle();
    QCOMPARE(w_->window->CurrentPuzzleId(), 20001);
    QCOMPARE(w_->Find<QComboBox>("CBBe")->currentText(), QStringLiteral("Közepes"));
    QCOMPARE(w_->Find<QComboBox>("CBjatek")->currentText(), QStringLiteral("1"));
    QCOMPARE(Text("Lmaradt"), QString::number(81 - 28));
    QCOMPARE(Text("Ldb"), QStringLiteral("(2)"));  // set by the user's last level, not here
    w_->window->LoadNextPuzzle();
    QCOMPARE(w_->window->CurrentPuzzleId(), 20002);
    w_->window->LoadNextPuzzle();  // the next one, 60001, is beyond the numbered levels
    ExpectMessage("Nincs több feladvány!");
    QVERIFY(!w_->window->ClockRuns());
    QCOMPARE(Text("Lmaradt"), QStringLiteral("81"));
  }

  void NextPuzzleInALevelViewStartsNothing() {
    Open();
    Choose("Könnyű", "1");
    w_->Find<QComboBox>("CBBe")->setCurrentText(QStringLiteral("Mester"));  // filters the table
    w_->window->LoadNextPuzzle();
    QVERIFY(w_->dialogs.texts.empty());
    QVERIFY(!w_->window->ClockRuns());
    QCOMPARE(Text("Lmaradt"), QStringLiteral("81"));
    QCOMPARE(Text("Lido"), QStringLiteral("00:00"));
  }

  void DamagedGivensDoNotStart() {
    std::vector<PuzzleRecord> records = Library();
    records[1].givens =
        "115239"
        "7x3";
    folder_->WritePuzzles(records);
    Open();
    Choose("Könnyű", "2");
    QCOMPARE(w_->dialogs.texts.size(), size_t(1));
    QVERIFY(w_->dialogs.texts[0].rfind("Hibás feladvány", 0) == 0);
    QVERIFY(!w_->window->ClockRuns());
    QCOMPARE(Text("Lmaradt"), QStringLiteral("81"));
    QCOMPARE(Text("L11"), QStringLiteral("_"));
  }

 private:
  void Open() {
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    QVERIFY(w_->dialogs.texts.empty());
  }

  void Choose(const char* level, const char* number) {
    w_->Find<QComboBox>("CBBe")->setCurrentText(QString::fromUtf8(level));
    w_->Find<QComboBox>("CBjatek")->setCurrentText(QString::fromUtf8(number));
    QTest::mouseClick(w_->Find<QPushButton>("Bbetoltes"), Qt::LeftButton);
  }

  void ExpectMessage(const char* text) {
    QCOMPARE(w_->dialogs.texts, std::vector<std::string>{text});
    w_->dialogs.texts.clear();
  }

  QString Text(const char* label) const { return w_->Find<QLabel>(label)->text(); }

  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
};

QTEST_MAIN(GameStartTest)
#include "game_start_test.moc"
