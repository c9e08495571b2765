// Two windows on one play folder, both open before either changes anything: what each saves
// reaches the files without losing the other's, and the conflicts a user meets between them.
#include <QtTest>
#include <algorithm>

#include "players/player_list.h"
#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "support/ui/window_steps.h"

using kvadrix::players::MakeLastGameTable;
using kvadrix::players::MakePlayerTable;
using kvadrix::players::MakeResultTable;
using namespace kvadrix::test;

namespace {

constexpr char kAdded[] = "A felvitel sikerült";
constexpr char kNameTaken[] = "Ilyen név már szerepel az adatbázisban, kérlek más nevet adj meg!";
constexpr char kLoadAGame[] = "Kérem töltsön be egy játékot!";
constexpr char kDeleted[] = "A játékos összes adata törlődött!";
const std::string kGone(kvadrix::players::kPlayerGone);

// The user turns to the window, as a click on its frame does.
[[nodiscard]] bool Activate(const WindowUnderTest& w) {
  w.window->activateWindow();
  return QTest::qWaitForWindowActive(w.window.get());
}

void ClickTab(const WindowUnderTest& w, int page) {
  QTabBar* bar = w.Find<QTabWidget>("TB")->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

// A click on a name in "Mnevek"; false when it is not listed.
[[nodiscard]] bool ChooseInList(const NamesPage& p, const QString& name) {
  const QList<QListWidgetItem*> found = p.Mnevek->findItems(name, Qt::MatchExactly);
  if (found.isEmpty()) return false;
  const QRect place = p.Mnevek->visualItemRect(found.front());
  QTest::mouseClick(p.Mnevek->viewport(), Qt::LeftButton, {}, place.center());
  return true;
}

// The rows of a table file whose first field (the player's key) is the key.
int RowsOfKey(const Texts& rows, int key) {
  const std::string prefix = std::to_string(key) + "|";
  return int(std::count_if(rows.begin(), rows.end(),
                           [&](const std::string& row) { return row.starts_with(prefix); }));
}

}  // namespace

class SharedFolderTest : public QObject {
  Q_OBJECT

 private slots:
  // Each window adds its player, plays and finishes a game; the files hold both of everything.
  void BothWindowsChangesReachTheFiles() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest a(folder);
    WindowUnderTest b(folder);
    NamesPage pa(a);
    NamesPage pb(b);
    QVERIFY(ShowWindow(a));
    QVERIFY(ShowWindow(b));
    a.random.draws = {11};
    b.random.draws = {22};

    QVERIFY(Activate(a));
    AddThroughForm(pa, QStringLiteral("Anna"), QStringLiteral("a1"), QStringLiteral("a1"));
    QCOMPARE(TakeTexts(a), Texts{kAdded});

    // Turning back to B shows the player A added, ready to be chosen.
    QVERIFY(Activate(b));
    QCOMPARE(Items(pb.Mnevek), QStringList{QStringLiteral("Anna")});
    QVERIFY(pb.Bmod->isEnabled() && pb.Btorol->isEnabled());
    QVERIFY(ChooseInList(pb, QStringLiteral("Anna")));
    QCOMPARE(pb.Ekiv->text(), QStringLiteral("Anna"));
    QVERIFY(pb.Btovabb->isEnabled());

    AddThroughForm(pb, QStringLiteral("Béla"), QStringLiteral("b2"), QStringLiteral("b2"),
                   pb.RBujh);
    QCOMPARE(TakeTexts(b), Texts{kAdded});
    QCOMPARE(Items(pb.Mnevek), (QStringList{"Anna", "Béla"}));

    // Both enter play and load a game before either finishes: each result and last game is
    // written over a table the other window saved meanwhile.
    QVERIFY(Activate(a));
    Click(pa.Btovabb);
    QCOMPARE(TakeTexts(a), Texts{kLoadAGame});
    LoadPuzzle(a, QStringLiteral("Könnyű"), QStringLiteral("1"));
    QVERIFY(ClockRuns(a));
    QVERIFY(Activate(b));
    Click(pb.Btovabb);
    QCOMPARE(TakeTexts(b), Texts{kLoadAGame});
    LoadPuzzle(b, QStringLiteral("Könnyű"), QStringLiteral("2"));
    QVERIFY(ClockRuns(b));

    QVERIFY(Activate(a));
    a.clock.AdvanceTicks(40);
    a.dialogs.answers = {false};
    QVERIFY(FillEmptyCells(a) != nullptr);
    QCOMPARE(TakeTexts(a).size(), size_t(1));  // the completion question
    QVERIFY(!ClockRuns(a));
    QVERIFY(Activate(b));
    b.clock.AdvanceTicks(70);
    b.dialogs.answers = {false};
    QVERIFY(FillEmptyCells(b) != nullptr);
    QCOMPARE(TakeTexts(b).size(), size_t(1));
    QVERIFY(!ClockRuns(b));

    QCOMPARE(Rows(Reloaded(MakePlayerTable, folder.File("jatekosok.xml"))),
             (Texts{"11|Anna|a1|1|1", "22|Béla|b2|1|2"}));
    const Texts results = Rows(Reloaded(MakeResultTable, folder.File("eredmenyek.xml")));
    QCOMPARE(results.size(), size_t(2));
    QVERIFY2(results[0].starts_with("11|10001|") && results[0].ends_with("|40"),
             results[0].c_str());
    QVERIFY2(results[1].starts_with("22|10002|") && results[1].ends_with("|70"),
             results[1].c_str());
    QCOMPARE(Rows(Reloaded(MakeLastGameTable, folder.File("utolso.xml"))),
             (Texts{"11|10001|TRUE|-|-", "22|10002|TRUE|-|-"}));

    // Each window's best times read what the other saved.
    LoadPuzzle(b, QStringLiteral("Könnyű"), QStringLiteral("1"));
    QCOMPARE(LabelText(b, "Lnevvalaki"), QStringLiteral("Anna"));
    QCOMPARE(LabelText(b, "Lnveredmeny"), QStringLiteral("00:40"));
  }

  // A name the other window added meanwhile, seen by a window that has not re-read the list (on
  // another machine, say): refused, and the first player's row stays as it was.
  void AddingANameTakenMeanwhileIsRefused() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest a(folder);
    WindowUnderTest b(folder);
    NamesPage pa(a);
    NamesPage pb(b);
    QVERIFY(ShowWindow(a));
    QVERIFY(ShowWindow(b));
    a.random.draws = {11};
    b.random.draws = {22};

    AddThroughForm(pa, QStringLiteral("Anna"), QStringLiteral("titok"), QStringLiteral("titok"),
                   pa.RBujm);
    QCOMPARE(TakeTexts(a), Texts{kAdded});
    QVERIFY(pb.Mnevek->count() == 0);  // B still shows the folder as it started
    AddThroughForm(pb, QStringLiteral("Anna"), QStringLiteral("más"), QStringLiteral("más"));
    QCOMPARE(TakeTexts(b), Texts{kNameTaken});
    QCOMPARE(b.random.draws, std::deque<uint32_t>{22});  // refused before a key was drawn
    QCOMPARE(Rows(Reloaded(MakePlayerTable, folder.File("jatekosok.xml"))),
             Texts{"11|Anna|titok|1|3"});

    // Another name still goes in beside her.
    Retype(pb.Eujnev, QStringLiteral("Anna2"));
    Retype(pb.Bjelszo2, QStringLiteral("más"));
    Click(pb.Bujfelvitel);
    QCOMPARE(TakeTexts(b), Texts{kAdded});
    QCOMPARE(Rows(Reloaded(MakePlayerTable, folder.File("jatekosok.xml"))),
             (Texts{"11|Anna|titok|1|3", "22|Anna2|más|1|1"}));
  }

  // B plays as Anna and has her modify form filled in when A deletes her: B's change, entering
  // play and finishing the game are each refused, and none of them brings her back.
  void APlayerDeletedMeanwhileIsGoneEverywhere() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna", "Béla"});  // keys 101 and 102
    folder.WriteResults({{101, 10001, 50}, {102, 10001, 60}});
    folder.WriteLastGames({{102, 10002, true, 0}});
    WindowUnderTest a(folder);
    WindowUnderTest b(folder);
    NamesPage pa(a);
    NamesPage pb(b);
    QVERIFY(ShowWindow(a));
    QVERIFY(ShowWindow(b));

    QVERIFY(ChooseInList(pb, QStringLiteral("Anna")));
    Click(pb.Btovabb);
    QCOMPARE(TakeTexts(b), Texts{kLoadAGame});
    QCOMPARE(b.window->session().player().key, 101);
    LoadPuzzle(b, QStringLiteral("Könnyű"), QStringLiteral("3"));
    QVERIFY(ClockRuns(b));
    ClickTab(b, 0);
    Click(pb.Bmod);
    QVERIFY(Pick(pb.dbnevek, QStringLiteral("Anna")));
    Click(pb.RBujm);

    Click(pa.Btorol);
    QVERIFY(Pick(pa.dbnevek, QStringLiteral("Anna")));
    Click(pa.Btorles);
    QCOMPARE(TakeTexts(a), Texts{kDeleted});

    // B is told she is gone, and from then on offers her nowhere.
    Click(pb.Bmodosit);
    QCOMPARE(TakeTexts(b), Texts{kGone});
    QCOMPARE(Items(pb.Mnevek), QStringList{QStringLiteral("Béla")});
    QCOMPARE(Items(pb.dbnevek), QStringList{QStringLiteral("Béla")});
    QCOMPARE(pb.Ekiv->text(), QStringLiteral("Béla"));

    // Back to the game still on the board: its completion is refused and stops the clock.
    ClickTab(b, 1);
    QVERIFY(ClockRuns(b));
    b.clock.AdvanceTicks(30);
    QVERIFY(FillEmptyCells(b) != nullptr);
    QCOMPARE(TakeTexts(b), Texts{kGone});
    QVERIFY(!ClockRuns(b));
    b.window->close();  // nothing left to remember as unfinished
    QCOMPARE(TakeTexts(b), Texts{});

    const Texts players = Rows(Reloaded(MakePlayerTable, folder.File("jatekosok.xml")));
    QCOMPARE(players, Texts{"102|Béla||1|1"});
    const Texts results = Rows(Reloaded(MakeResultTable, folder.File("eredmenyek.xml")));
    QCOMPARE(RowsOfKey(results, 101), 0);
    QCOMPARE(RowsOfKey(results, 102), 1);
    QCOMPARE(Rows(Reloaded(MakeLastGameTable, folder.File("utolso.xml"))),
             Texts{"102|10002|TRUE|0|-"});
  }
};

QTEST_MAIN(SharedFolderTest)
#include "shared_folder_test.moc"
