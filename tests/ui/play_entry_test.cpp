// Entering play with "Tovább", the offer of the last game, remembering a game at closing, and
// the tab control's guard.
#include <QTabBar>
#include <QTableView>
#include <QtTest>

#include "app/table_set.h"
#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"

using kvadrix::players::MakeLastGameTable;
using namespace kvadrix::test;

namespace {

using Texts = std::vector<std::string>;
using Log = std::vector<uint32_t>;

constexpr char kLoadAGame[] = "Kérem töltsön be egy játékot!";
constexpr char kNoPlayerYet[] = "Nincs még kiválasztva egyetlen név se, így nem léphetsz tovább!";

void ShowWindow(const WindowUnderTest& w) {
  w.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
}

Texts TakeTexts(WindowUnderTest& w) { return std::exchange(w.dialogs.texts, {}); }

void ClickTab(const WindowUnderTest& w, int page) {
  QTabBar* bar = w.Find<QTabWidget>("TB")->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

bool BoardShown(const WindowUnderTest& w) { return !w.Find<QGroupBox>("GB5")->isHidden(); }
bool ClockRuns(const WindowUnderTest& w) { return w.Find<QTimer>("T1")->isActive(); }
QString Text(const WindowUnderTest& w, const char* label) { return w.Find<QLabel>(label)->text(); }

void LoadPuzzle(const WindowUnderTest& w, const QString& level, const QString& number) {
  w.Find<QComboBox>("CBBe")->setCurrentText(level);
  w.Find<QComboBox>("CBjatek")->setCurrentText(number);
  Click(w.Find<QPushButton>("Bbetoltes"));
}

// The digits on the Board are exactly the puzzle's givens.
bool BoardHoldsOnly(const WindowUnderTest& w, const std::string& givens) {
  int shown = 0;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const QString name = QStringLiteral("L%1%2").arg(row).arg(col);
      if (w.window->findChild<QLabel*>(name)->text() != QStringLiteral("_")) ++shown;
    }
  }
  for (size_t i = 0; i + 2 < givens.size(); i += 3) {
    const QString name = QStringLiteral("L%1%2").arg(givens[i]).arg(givens[i + 1]);
    if (w.window->findChild<QLabel*>(name)->text() != QChar(givens[i + 2])) return false;
  }
  return shown == int(givens.size() / 3);
}

}  // namespace

class PlayEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void EnteringPlayChoosesThePlayer() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna", "Béla"}, 2);
    WindowUnderTest w(folder);
    ShowWindow(w);
    QCOMPARE(w.Find<QLineEdit>("Ekiv")->text(), QStringLiteral("Anna"));
    Click(w.Find<QPushButton>("B5"));
    Click(w.Find<QPushButton>("Btovabb"));

    // A first-time player: the program's own page change is not refused by the tab guard.
    QCOMPARE(TakeTexts(w), Texts{kLoadAGame});
    QCOMPARE(w.Find<QTabWidget>("TB")->currentIndex(), 1);
    QVERIFY(BoardShown(w));
    QCOMPARE(w.window->session().state().selected_digit, 1);
    QCOMPARE(QApplication::focusWidget(), w.Find<QPushButton>("B1"));
    QCOMPARE(w.Find<QLabel>("SBText")->text(), QStringLiteral("Játékos neve: Anna"));
    QCOMPARE(Text(w, "Lnevaki"), QStringLiteral("Anna legjobbja:"));
    QCOMPARE(w.window->session().player().name, std::string("Anna"));
    QCOMPARE(w.window->session().player().key, 101);
    QVERIFY(w.Find<QRadioButton>("rbh")->isChecked());
    QVERIFY(!ClockRuns(w));
    QCOMPARE(Text(w, "Lido"), QStringLiteral("00:00"));
    QCOMPARE(Text(w, "Lmaradt"), QStringLiteral("81"));
    QVERIFY(!std::filesystem::exists(folder.File("utolso.xml")));

    // A name typed by hand that no player has: key 0, the level as it was, 10 characters kept.
    ClickTab(w, 0);
    w.Find<QRadioButton>("rbm")->setChecked(true);
    w.Find<QLineEdit>("Ekiv")->setText(QStringLiteral("Ismeretlen Úr"));
    Click(w.Find<QPushButton>("Btovabb"));
    QCOMPARE(TakeTexts(w), Texts{kLoadAGame});
    QCOMPARE(w.window->session().player().key, 0);
    QCOMPARE(w.window->session().player().name, std::string("Ismeretlen"));
    QCOMPARE(w.Find<QLabel>("SBText")->text(), QStringLiteral("Játékos neve: Ismeretlen Úr"));
    QVERIFY(w.Find<QRadioButton>("rbm")->isChecked());
  }

  void LastGameIsOffered() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary(3, 2));
    folder.WritePlayers({"Anna", "Béla", "Cili", "Dani"});  // keys 101..104
    folder.WriteLastGames({{101, 20001, false, 300},
                           {102, 10002, true, 0},
                           {103, 10001, false, 0},
                           {103, 10003, true, 0}});
    WindowUnderTest w(folder);
    ShowWindow(w);
    auto* ekiv = w.Find<QLineEdit>("Ekiv");

    w.dialogs.answers = {false};
    Click(w.Find<QPushButton>("Btovabb"));
    QCOMPARE(TakeTexts(w), Texts{"Az utolsó befejezettlen játéka a/az: Közepes/1. Betöltsem?"});
    QVERIFY(!ClockRuns(w));
    QCOMPARE(Text(w, "Lmaradt"), QStringLiteral("81"));

    ClickTab(w, 0);
    ekiv->setText(QStringLiteral("Béla"));
    w.dialogs.answers = {true};
    Click(w.Find<QPushButton>("Btovabb"));
    QCOMPARE(TakeTexts(w),
             Texts{"Az utolsó befejezett játéka a/az: Könnyű/2. Betöltsem a következőt?"});
    QVERIFY(ClockRuns(w));
    QVERIFY(BoardHoldsOnly(w, GivensOfSolvedGrid(33)));  // 10003
    QCOMPARE(w.Find<QComboBox>("CBjatek")->currentText(), QStringLiteral("3"));

    // A damaged file asks nothing; entering play again has cleared the game.
    ClickTab(w, 0);
    ekiv->setText(QStringLiteral("Cili"));
    w.dialogs.answers = {true};
    Click(w.Find<QPushButton>("Btovabb"));
    QCOMPARE(TakeTexts(w), Texts{"baj van!"});
    QVERIFY(!ClockRuns(w));
    QCOMPARE(Text(w, "Lmaradt"), QStringLiteral("81"));

    ClickTab(w, 0);
    ekiv->setText(QStringLiteral("Dani"));
    Click(w.Find<QPushButton>("Btovabb"));
    QCOMPARE(TakeTexts(w), Texts{kLoadAGame});
  }

  void TabsGuardThePlayPage() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary(3, 2));
    folder.WritePlayers({"Anna", "Béla"});
    folder.WriteResults({{102, 10002, 61}});
    WindowUnderTest w(folder);
    ShowWindow(w);
    auto* tabs = w.Find<QTabWidget>("TB");

    ClickTab(w, 1);
    QCOMPARE(TakeTexts(w), Texts{kNoPlayerYet});
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!BoardShown(w));

    ClickTab(w, 2);
    QCOMPARE(tabs->currentIndex(), 2);
    QVERIFY(!BoardShown(w));
    QCOMPARE(w.Find<QLabel>("SBText")->text(), QStringLiteral("Játékos neve: Anna"));
    auto* grid = w.Find<QTableView>("Racs");
    QAbstractItemModel* model = grid->model();
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Anna legjobbja:"));
    QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Béla legjobbja:"));
    QVERIFY(!grid->isColumnHidden(2) && !grid->isColumnHidden(3) && grid->isColumnHidden(4));
    QCOMPARE(model->rowCount(), 3 + 1 + 2);  // a separator row before the second level
    QCOMPARE(model->index(1, 3).data().toString(), QStringLiteral("01:01"));

    // Play entered: the play page opens by a click, the name page hides the Board.
    ClickTab(w, 0);
    Click(w.Find<QPushButton>("Btovabb"));
    TakeTexts(w);
    ClickTab(w, 0);
    QVERIFY(!BoardShown(w));
    Click(w.Find<QPushButton>("B7"));
    ClickTab(w, 1);
    QVERIFY(w.dialogs.texts.empty());
    QVERIFY(BoardShown(w));
    QCOMPARE(w.window->session().state().selected_digit, 1);
    QCOMPARE(QApplication::focusWidget(), w.Find<QPushButton>("B1"));

    // A deleted player's column goes away.
    ClickTab(w, 0);
    NamesPage p(w);
    Click(p.Btorol);
    QVERIFY(Pick(p.dbnevek, QStringLiteral("Béla")));
    Click(p.Btorles);
    ClickTab(w, 2);
    QVERIFY(!grid->isColumnHidden(2) && grid->isColumnHidden(3));
  }

  void ClosingWithoutARunningClockStoresNothing() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    {
      WindowUnderTest w(folder);
      ShowWindow(w);
      Click(w.Find<QPushButton>("Btovabb"));
      w.window->close();
    }
    QVERIFY(!std::filesystem::exists(folder.File("utolso.xml")));

    folder.WriteLastGames({{101, 10001, true, 7}});
    const std::string before = folder.ReadText("utolso.xml");
    WindowUnderTest w(folder);
    ShowWindow(w);
    w.dialogs.answers = {false};
    Click(w.Find<QPushButton>("Btovabb"));
    w.clock.AdvanceTicks(50);
    w.window->close();
    QCOMPARE(folder.ReadText("utolso.xml"), before);
  }

  // The results and the last games are read after the window appears. Clicks that come before
  // they are in wait for them and then happen in order, as if the user had been slower.
  void ClicksBeforeThePlayHistoryIsInWaitForIt() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary(3, 2));
    folder.WritePlayers({"Anna"});
    folder.WriteLastGames({{101, 20001, false, 300}});
    auto pause = std::make_unique<kvadrix::app::ScopedPlayHistoryPause>();
    WindowUnderTest w(folder);
    ShowWindow(w);
    w.dialogs.answers = {true};
    Click(w.Find<QPushButton>("Btovabb"));
    ClickTab(w, 2);
    QTest::qWait(30);  // the window keeps running its events meanwhile
    QVERIFY(!w.window->PlayHistoryLoaded());
    QCOMPARE(TakeTexts(w), Texts{});
    QCOMPARE(w.Find<QTabWidget>("TB")->currentIndex(), 0);

    pause.reset();
    w.WaitForPlayHistory();
    QCOMPARE(TakeTexts(w), Texts{"Az utolsó befejezettlen játéka a/az: Közepes/1. Betöltsem?"});
    QCOMPARE(w.window->session().PuzzleId(), 20001);
    QVERIFY(ClockRuns(w));
    QCOMPARE(w.Find<QTabWidget>("TB")->currentIndex(), 2);
    QVERIFY(!BoardShown(w));
  }

  void DamagedLastGamesStoreNothingAtClosing() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    folder.WriteLastGames({{101, 10001, true, 7}, {101, 10002, false, 8}});
    const std::string before = folder.ReadText("utolso.xml");
    WindowUnderTest w(folder);
    ShowWindow(w);
    Click(w.Find<QPushButton>("Btovabb"));
    LoadPuzzle(w, QStringLiteral("Könnyű"), QStringLiteral("2"));
    QVERIFY(ClockRuns(w));
    // Not stored: the player may stay and go on with the game, or leave without it.
    const std::string leave = "A félbehagyott játék nem lett elmentve.\r\nKilép mentés nélkül?";
    w.dialogs.answers = {false};
    QVERIFY(!w.window->close());
    QCOMPARE(TakeTexts(w), (Texts{"baj van!", "baj van!", leave}));
    QVERIFY(w.window->isVisible());
    QVERIFY(ClockRuns(w));
    w.dialogs.answers = {true};
    QVERIFY(w.window->close());
    QCOMPARE(TakeTexts(w), (Texts{"baj van!", leave}));
    QVERIFY(!w.window->isVisible());
    QCOMPARE(folder.ReadText("utolso.xml"), before);
  }

  // Add a player, play, close mid-game, start again and take the game up where it was left.
  void UnfinishedGameRoundTrip() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary(3, 2));
    {
      WindowUnderTest w(folder);
      NamesPage p(w);
      ShowWindow(w);
      w.random.draws = {4242};
      AddThroughForm(p, QStringLiteral("Anna"), QStringLiteral("pw"), QStringLiteral("pw"));
      Click(p.Btovabb);
      QCOMPARE(TakeTexts(w), (Texts{"A felvitel sikerült", kLoadAGame}));
      LoadPuzzle(w, QStringLiteral("Közepes"), QStringLiteral("2"));
      QVERIFY(ClockRuns(w));
      w.clock.AdvanceTicks(125);
      w.window->close();
      QVERIFY(w.dialogs.texts.empty());
    }
    auto stored = Reloaded(MakeLastGameTable, folder.File("utolso.xml"));
    QCOMPARE(Rows(stored), Texts{"4242|20002|FALSE|125|-"});
    QCOMPARE(stored.ChangeLog(), (Log{1, 0, 4}));

    WindowUnderTest w(folder);
    ShowWindow(w);
    w.clock.AdvanceTicks(1000);  // a later day's start
    w.dialogs.answers = {true};
    Click(w.Find<QPushButton>("Btovabb"));
    QCOMPARE(TakeTexts(w), Texts{"Az utolsó befejezettlen játéka a/az: Közepes/2. Betöltsem?"});
    QVERIFY(ClockRuns(w));
    QCOMPARE(Text(w, "Lido"), QStringLiteral("00:00"));
    QVERIFY(BoardHoldsOnly(w, GivensOfSolvedGrid(28)));  // 20002 from its givens
    QCOMPARE(Text(w, "Lmaradt"), QStringLiteral("53"));
    QCOMPARE(w.Find<QComboBox>("CBBe")->currentText(), QStringLiteral("Közepes"));
    QCOMPARE(w.Find<QComboBox>("CBjatek")->currentText(), QStringLiteral("2"));

    // The clock counts from the restart: the row is overwritten with the new time only.
    w.clock.AdvanceTicks(40);
    w.window->close();
    stored = Reloaded(MakeLastGameTable, folder.File("utolso.xml"));
    QCOMPARE(Rows(stored), Texts{"4242|20002|FALSE|40|-"});
    QCOMPARE(States(stored), (std::vector<int>{1, 8}));
    QCOMPARE(stored.ChangeLog(), (Log{1, 0, 4, 2, 1, 8}));
  }
};

QTEST_MAIN(PlayEntryTest)
#include "play_entry_test.moc"
