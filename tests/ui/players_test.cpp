// The name page: the three modes of the player form, adding, changing and deleting players,
// every message, and what the table files hold after each change.
#include <QtTest>

#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"

using kvadrix::players::MakeLastGameTable;
using kvadrix::players::MakePlayerTable;
using kvadrix::players::MakeResultTable;
using namespace kvadrix::test;

namespace {

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;
using Log = std::vector<uint32_t>;

constexpr char kAdded[] = "A felvitel sikerült";
constexpr char kChooseName[] = "Kérem, válasszon ki egy nevet!";
constexpr char kWrongPassword[] =
    "A játékos jelszava nem egyezik meg, ami be lett ütve!\r\nKérem, adja meg jól!";

void ShowWindow(const WindowUnderTest& w) {
  w.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
}

Texts TakeTexts(WindowUnderTest& w) { return std::exchange(w.dialogs.texts, {}); }

}  // namespace

class PlayersTest : public QObject {
  Q_OBJECT

 private slots:
  void EachModeSetsTheFormAsItsTableSays() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);

    Click(p.Bhozza);
    QVERIFY(p.GBuj->isEnabled());
    QCOMPARE(p.GBuj->title(), QStringLiteral("Új játékos adatainak felvitele "));
    QCOMPARE(p.Lnev->text(), QStringLiteral("Név /minimum 3 karakter/:"));
    QVERIFY(!p.Eujnev->isHidden() && p.Eujnev->isEnabled());
    QVERIFY(p.dbnevek->isHidden());
    QCOMPARE(p.Ljelszo->text(), QStringLiteral("Jelszó:"));
    QCOMPARE(p.Ljelszo2->text(), QStringLiteral("Jelszó újra:"));
    QVERIFY(!p.Bjelszo2->isHidden() && p.Bjelszo2->isEnabled() && p.Bjelszo->isEnabled());
    QVERIFY(p.LjelszoR->isHidden() && p.BjelszoR->isHidden());
    QVERIFY(!p.RBujm->isHidden() && p.RBujm->isEnabled() && p.Lszint->isEnabled());
    QVERIFY(p.SE->isHidden() && p.Lszin->isHidden());  // never shown
    QVERIFY(!p.Bujfelvitel->isHidden() && p.Bmodosit->isHidden() && p.Btorles->isHidden());
    QCOMPARE(QApplication::focusWidget(), p.Eujnev);

    // "Felvitel" from the third character on; the name box holds 10.
    QVERIFY(!p.Bujfelvitel->isEnabled());
    Type(p.Eujnev, QStringLiteral("Ab"));
    QVERIFY(!p.Bujfelvitel->isEnabled());
    Type(p.Eujnev, QStringLiteral("c"));
    QVERIFY(p.Bujfelvitel->isEnabled());
    Type(p.Eujnev, QStringLiteral("defghijkl"));
    QCOMPARE(p.Eujnev->text(), QStringLiteral("Abcdefghij"));
    Retype(p.Eujnev, QStringLiteral("Ab"));
    QVERIFY(!p.Bujfelvitel->isEnabled());

    // Password boxes show "*" and hold 10.
    Type(p.Bjelszo, QStringLiteral("titok12345678"));
    QCOMPARE(p.Bjelszo->text(), QStringLiteral("titok12345"));
    QCOMPARE(p.Bjelszo->displayText(), QStringLiteral("**********"));
    Type(p.Bjelszo2, QStringLiteral("x"));
    QCOMPARE(p.Bjelszo2->displayText(), QStringLiteral("*"));

    // ModifyMode keeps the typed new passwords but empties the current one.
    p.BjelszoR->setText(QStringLiteral("régi"));
    Click(p.Bmod);
    QCOMPARE(p.GBuj->title(), QStringLiteral("Egy játékos adatainak módosítása: "));
    QCOMPARE(p.Lnev->text(), QStringLiteral("Válasszon ki egy nevet:"));
    QVERIFY(p.Eujnev->isHidden() && p.Eujnev->text().isEmpty());
    QVERIFY(!p.dbnevek->isHidden() && p.dbnevek->isEnabled());
    QCOMPARE(Items(p.dbnevek), QStringList{QStringLiteral("Anna")});
    QVERIFY(p.dbnevek->currentText().isEmpty());
    QCOMPARE(p.Ljelszo->text(), QStringLiteral("Új jelszó:"));
    QCOMPARE(p.Ljelszo2->text(), QStringLiteral("Új jelszó újra:"));
    QCOMPARE(p.Bjelszo->text(), QStringLiteral("titok12345"));
    QCOMPARE(p.Bjelszo2->text(), QStringLiteral("x"));
    QVERIFY(!p.BjelszoR->isHidden() && p.BjelszoR->isEnabled() && p.BjelszoR->text().isEmpty());
    QVERIFY(!p.LjelszoR->isHidden());
    QVERIFY(!p.RBujk->isHidden() && !p.Lszint->isHidden());
    QVERIFY(p.Bujfelvitel->isHidden() && !p.Bmodosit->isHidden() && p.Btorles->isHidden());
    QCOMPARE(QApplication::focusWidget(), p.dbnevek);

    Click(p.Btorol);
    QCOMPARE(p.GBuj->title(), QStringLiteral("Egy játékos törlése: "));
    QCOMPARE(p.Lnev->text(), QStringLiteral("Válasszon ki egy nevet:"));
    QCOMPARE(p.Ljelszo->text(), QStringLiteral("Adja meg a jelszavát a törléshez:"));
    QVERIFY(p.Bjelszo->text().isEmpty() && p.Bjelszo->isEnabled());
    QVERIFY(p.Ljelszo2->isHidden() && p.Bjelszo2->isHidden());
    QVERIFY(p.LjelszoR->isHidden() && p.BjelszoR->isHidden());
    QVERIFY(p.Lszint->isHidden() && p.RBujk->isHidden() && p.RBujh->isHidden());
    QVERIFY(p.Bujfelvitel->isHidden() && p.Bmodosit->isHidden() && !p.Btorles->isHidden());
    QCOMPARE(QApplication::focusWidget(), p.dbnevek);

    // Back to AddMode: everything the delete form hid is back, emptied.
    Click(p.Bhozza);
    QVERIFY(!p.Bjelszo2->isHidden() && p.Bjelszo2->text().isEmpty());
    QVERIFY(!p.RBujk->isHidden() && !p.Eujnev->isHidden() && p.dbnevek->isHidden());
    QVERIFY(!p.Bujfelvitel->isEnabled());
    QVERIFY(w.dialogs.texts.empty());

    // A click into either password box empties the repeated one.
    p.Bjelszo2->setText(QStringLiteral("abc"));
    Click(p.Bjelszo);
    QVERIFY(p.Bjelszo2->text().isEmpty());
    p.Bjelszo2->setText(QStringLiteral("abc"));
    Click(p.Bjelszo2);
    QVERIFY(p.Bjelszo2->text().isEmpty());
  }

  void AddingStoresPlayersUpToFive() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);
    w.random.draws = {424242, 7, 8, 9, 10};

    AddThroughForm(p, QStringLiteral("Anna"), QStringLiteral("titok"), QStringLiteral("titok"),
                   p.RBujh);
    QCOMPARE(TakeTexts(w), Texts{kAdded});
    QCOMPARE(w.random.seeds.size(), size_t(1));
    const auto file = folder.File("jatekosok.xml");
    QCOMPARE(Rows(Reloaded(MakePlayerTable, file)), Texts{"424242|Anna|titok|1|2"});
    QCOMPARE(Reloaded(MakePlayerTable, file).ChangeLog(), (Log{1, 0, 4}));
    QCOMPARE(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
             std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    // The new player is the chosen one and the form goes quiet.
    QCOMPARE(p.Ekiv->text(), QStringLiteral("Anna"));
    QCOMPARE(Items(p.Mnevek), QStringList{QStringLiteral("Anna")});
    QVERIFY(!p.GBuj->isEnabled());
    QVERIFY(p.Eujnev->text().isEmpty() && !p.Eujnev->isEnabled());
    QVERIFY(!p.Bujfelvitel->isEnabled() && !p.RBujh->isEnabled() && !p.Lnev->isEnabled());
    QCOMPARE(p.Bjelszo->text(), QStringLiteral("titok"));
    QVERIFY(!p.Bjelszo->isEnabled() && !p.Bjelszo2->isEnabled());
    QVERIFY(p.Bmod->isEnabled() && p.Btorol->isEnabled() && p.Btovabb->isEnabled());
    QCOMPARE(QApplication::focusWidget(), p.Btovabb);
    QCOMPARE(w.window->PlayerCount(), 1);

    // Two empty passwords are equal; the level stays as the last add left it.
    for (const char* name : {"Béla", "Cili", "Dani"}) {
      AddThroughForm(p, QString::fromUtf8(name), {}, {});
      QVERIFY(p.Bhozza->isEnabled());
    }
    AddThroughForm(p, QStringLiteral("Emil"), {}, {}, p.RBujm);
    QCOMPARE(TakeTexts(w), (Texts{kAdded, kAdded, kAdded, kAdded}));
    QVERIFY(!p.Bhozza->isEnabled());
    QCOMPARE(Items(p.Mnevek), (QStringList{"Anna", "Béla", "Cili", "Dani", "Emil"}));
    const auto stored = Reloaded(MakePlayerTable, file);
    QCOMPARE(Rows(stored), (Texts{"424242|Anna|titok|1|2", "7|Béla||1|2", "8|Cili||1|2",
                                  "9|Dani||1|2", "10|Emil||1|3"}));
    QCOMPARE(stored.ChangeLog(), (Log{1, 0, 4, 2, 0, 4, 3, 0, 4, 4, 0, 4, 5, 0, 4}));
  }

  void RefusedAddsChangeNothing() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna", "Béla"});  // keys 101 and 102
    const std::string before = folder.ReadText("jatekosok.xml");
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);

    AddThroughForm(p, QStringLiteral("Cili"), QStringLiteral("a"), QStringLiteral("A"));
    QCOMPARE(TakeTexts(w), Texts{"A két jelszó nem egyezik meg!"});
    Retype(p.Eujnev, QStringLiteral("Anna"));
    Retype(p.Bjelszo2, QStringLiteral("a"));
    Click(p.Bujfelvitel);
    QCOMPARE(TakeTexts(w),
             Texts{"Ilyen név már szerepel az adatbázisban, kérlek más nevet adj meg!"});

    // Eleven drawn keys, all taken: nothing is stored, and not one key more is drawn.
    Retype(p.Eujnev, QStringLiteral("anna"));
    w.random.draws = {101, 102, 101, 102, 101, 102, 101, 102, 101, 102, 101, 555};
    Click(p.Bujfelvitel);
    QCOMPARE(TakeTexts(w), Texts{"Kérem próbálkozzon újra!"});
    QCOMPARE(w.random.draws, std::deque<uint32_t>{555});
    QCOMPARE(folder.ReadText("jatekosok.xml"), before);
    // The mode stays as it was, ready for another try.
    QVERIFY(p.GBuj->isEnabled() && p.Bujfelvitel->isEnabled());
    QCOMPARE(p.Eujnev->text(), QStringLiteral("anna"));
    QCOMPARE(Items(p.Mnevek), (QStringList{"Anna", "Béla"}));

    // The eleventh key is still tried; names differ by case.
    w.random.draws = {101, 102, 101, 102, 101, 102, 101, 102, 101, 102, 555, 556};
    Click(p.Bujfelvitel);
    QCOMPARE(TakeTexts(w), Texts{kAdded});
    QCOMPARE(w.random.draws, std::deque<uint32_t>{556});
    QCOMPARE(Rows(Reloaded(MakePlayerTable, folder.File("jatekosok.xml"))),
             (Texts{"101|Anna||1|1", "102|Béla||1|1", "555|anna|a|1|1"}));
  }

  void UnstorableTextIsRefusedAsItIsTyped() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);
    Click(p.Bhozza);
    Type(p.Eujnev, QStringLiteral("Anж"));
    QCOMPARE(p.Eujnev->text(), QStringLiteral("An"));
    QCOMPARE(TakeTexts(w),
             Texts{"A név olyan karaktert tartalmaz, amelyet a program nem tud tárolni!"});
    QVERIFY(!p.Bujfelvitel->isEnabled());
    // Letters the file can hold, Hungarian and Czech ones included, pass.
    Type(p.Eujnev, QStringLiteral("őč"));
    QCOMPARE(p.Eujnev->text(), QStringLiteral("Anőč"));
    Type(p.Bjelszo, QStringLiteral("pw✓"));
    QCOMPARE(p.Bjelszo->text(), QStringLiteral("pw"));
    p.Bjelszo2->insert(QStringLiteral("😀"));  // pasted
    QVERIFY(p.Bjelszo2->text().isEmpty());
    const Texts refused_password{
        "A jelszó olyan karaktert tartalmaz, amelyet a program nem tud tárolni!"};
    QCOMPARE(TakeTexts(w), (Texts{refused_password[0], refused_password[0]}));
    Type(p.Bjelszo2, QStringLiteral("pw"));
    Click(p.Bujfelvitel);
    QCOMPARE(TakeTexts(w), Texts{kAdded});
    QCOMPARE(Rows(Reloaded(MakePlayerTable, folder.File("jatekosok.xml"))), Texts{"0|Anőč|pw|1|1"});
  }

  void ApostropheNamesWorkEverywhere() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);
    w.random.draws = {55, 56};
    AddThroughForm(p, QStringLiteral("O'Neil"), QStringLiteral("x"), QStringLiteral("x"), p.RBujm);
    AddThroughForm(p, QStringLiteral("O'Neil"), {}, {});
    QCOMPARE(TakeTexts(w), (Texts{kAdded,
                                  "Ilyen név már szerepel az adatbázisban, kérlek más nevet "
                                  "adj meg!"}));
    Click(p.Bmod);
    QVERIFY(Pick(p.dbnevek, QStringLiteral("O'Neil")));
    QVERIFY(p.RBujm->isChecked());
    Type(p.BjelszoR, QStringLiteral("x"));
    Click(p.Bmodosit);
    QCOMPARE(TakeTexts(w), Texts{"A módosítás megtörtént!\r\nJelszómódosítás nem volt!"});

    Click(p.Btovabb);
    QCOMPARE(w.window->CurrentPlayerKey(), 55);
    QCOMPARE(TakeTexts(w), Texts{"Kérem töltsön be egy játékot!"});

    w.window->findChild<QTabWidget*>("TB")->setCurrentIndex(0);
    Click(p.Btorol);
    QVERIFY(Pick(p.dbnevek, QStringLiteral("O'Neil")));
    Type(p.Bjelszo, QStringLiteral("x"));
    Click(p.Btorles);
    QCOMPARE(TakeTexts(w), Texts{"A játékos összes adata törlődött!"});
    QVERIFY(Rows(Reloaded(MakePlayerTable, folder.File("jatekosok.xml"))).empty());
  }

  void ModifyingChecksInOrderAndStoresTheChange() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);
    w.random.draws = {1, 2};
    AddThroughForm(p, QStringLiteral("Anna"), QStringLiteral("régi"), QStringLiteral("régi"),
                   p.RBujm);
    AddThroughForm(p, QStringLiteral("Béla"), {}, {}, p.RBujk);
    TakeTexts(w);
    const auto file = folder.File("jatekosok.xml");
    const std::string before = folder.ReadText("jatekosok.xml");

    Click(p.Bmod);
    QCOMPARE(Items(p.dbnevek), (QStringList{"Anna", "Béla"}));
    Click(p.Bmodosit);
    QCOMPARE(TakeTexts(w), Texts{kChooseName});

    // Picking a name shows that player's level.
    QVERIFY(Pick(p.dbnevek, QStringLiteral("Anna")));
    QVERIFY(p.RBujm->isChecked());
    QVERIFY(Pick(p.dbnevek, QStringLiteral("Béla")));
    QVERIFY(p.RBujk->isChecked());
    QVERIFY(Pick(p.dbnevek, QStringLiteral("Anna")));

    // The current password is checked (case and all) before the new ones are compared.
    Type(p.BjelszoR, QStringLiteral("Régi"));
    Type(p.Bjelszo, QStringLiteral("a"));
    Type(p.Bjelszo2, QStringLiteral("b"));
    Click(p.Bmodosit);
    QCOMPARE(TakeTexts(w), Texts{kWrongPassword});
    Retype(p.BjelszoR, QStringLiteral("régi"));
    Click(p.Bmodosit);
    QCOMPARE(TakeTexts(w), Texts{"A két jelszó nem egyezik meg!\r\nKérem, adja meg ugyanazt!"});
    QCOMPARE(folder.ReadText("jatekosok.xml"), before);
    QVERIFY(p.GBuj->isEnabled());

    // No new password keeps the old one.
    p.Bjelszo->clear();
    p.Bjelszo2->clear();
    Click(p.RBujh);
    Click(p.Bmodosit);
    QCOMPARE(TakeTexts(w), Texts{"A módosítás megtörtént!\r\nJelszómódosítás nem volt!"});
    QCOMPARE(Rows(Reloaded(MakePlayerTable, file)), (Texts{"1|Anna|régi|1|2", "2|Béla||1|1"}));
    QCOMPARE(p.Ekiv->text(), QStringLiteral("Anna"));
    QVERIFY(!p.GBuj->isEnabled() && !p.dbnevek->isEnabled() && !p.Bmodosit->isEnabled());
    QVERIFY(!p.BjelszoR->isEnabled() && !p.LjelszoR->isEnabled() && !p.RBujh->isEnabled());
    QCOMPARE(QApplication::focusWidget(), p.Btovabb);

    // ModifyMode again, with a new password; "Anna" is still chosen.
    Click(p.Bmod);
    QCOMPARE(p.dbnevek->currentText(), QStringLiteral("Anna"));
    Type(p.BjelszoR, QStringLiteral("régi"));
    Type(p.Bjelszo, QStringLiteral("új"));
    Type(p.Bjelszo2, QStringLiteral("új"));
    Click(p.Bmodosit);
    QCOMPARE(TakeTexts(w), Texts{"A módosítás megtörtént!\r\nA jelszó is módosítva lett!"});
    const auto stored = Reloaded(MakePlayerTable, file);
    QCOMPARE(Rows(stored), (Texts{"1|Anna|új|1|2", "2|Béla||1|1"}));
    // Each change supersedes the row it changes; the list keeps its order.
    QCOMPARE(States(stored), (Ints{1, 4, 1, 8}));
    QCOMPARE(stored.ChangeLog(), (Log{1, 0, 4, 2, 0, 4, 3, 1, 8, 4, 3, 8}));
    QCOMPARE(Items(p.Mnevek), (QStringList{"Anna", "Béla"}));
  }

  void DeletingRemovesEveryTraceOfThePlayer() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna", "Béla", "Cili", "Dani", "Emil"});  // keys 101..105
    folder.WriteResults({{101, 10001, 50}, {102, 10001, 60}, {101, 10002, 70}});
    folder.WriteLastGames({{101, 10002, false, 5}, {102, 20001, true, 9}});
    const std::string results_before = folder.ReadText("eredmenyek.xml");
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);
    QVERIFY(!p.Bhozza->isEnabled());

    Click(p.Btorol);
    Click(p.Btorles);
    QVERIFY(Pick(p.dbnevek, QStringLiteral("Anna")));
    Type(p.Bjelszo, QStringLiteral("x"));
    Click(p.Btorles);
    QCOMPARE(TakeTexts(w), (Texts{kChooseName, kWrongPassword}));
    QCOMPARE(folder.ReadText("eredmenyek.xml"), results_before);

    p.Bjelszo->clear();
    Click(p.Btorles);
    QCOMPARE(TakeTexts(w), Texts{"A játékos összes adata törlődött!"});
    const auto players = Reloaded(MakePlayerTable, folder.File("jatekosok.xml"));
    QCOMPARE(Rows(players).front(), std::string("102|Béla||1|1"));
    QCOMPARE(players.ChangeLog(), (Log{1, 0, 4, 2, 0, 4, 3, 0, 4, 4, 0, 4, 5, 0, 4, 1, 0, 2}));
    const auto results = Reloaded(MakeResultTable, folder.File("eredmenyek.xml"));
    QCOMPARE(results.RecordCount(), 1);
    QCOMPARE(results.ChangeLog(), (Log{1, 0, 4, 2, 0, 4, 3, 0, 4, 1, 0, 2, 3, 0, 2}));
    const auto last_games = Reloaded(MakeLastGameTable, folder.File("utolso.xml"));
    QCOMPARE(Rows(last_games), Texts{"102|20001|TRUE|9|-"});
    QCOMPARE(last_games.ChangeLog(), (Log{1, 0, 4, 2, 0, 4, 1, 0, 2}));

    // Below five players adding is possible again; DeleteMode stays on without the name.
    QVERIFY(p.Bhozza->isEnabled());
    QCOMPARE(Items(p.Mnevek), (QStringList{"Béla", "Cili", "Dani", "Emil"}));
    QCOMPARE(Items(p.dbnevek), (QStringList{"Béla", "Cili", "Dani", "Emil"}));
    QVERIFY(p.dbnevek->currentText().isEmpty());
    QVERIFY(p.GBuj->isEnabled() && !p.Btorles->isHidden());
    QCOMPARE(p.Ekiv->text(), QStringLiteral("Anna"));  // the chosen name is left as it was

    for (const char* name : {"Béla", "Cili", "Dani", "Emil"}) {
      QVERIFY(Pick(p.dbnevek, QString::fromUtf8(name)));
      Click(p.Btorles);
    }
    QVERIFY(!p.Bmod->isEnabled() && !p.Btorol->isEnabled());
    QCOMPARE(p.Mnevek->count(), 0);
    QCOMPARE(w.window->PlayerCount(), 0);
  }

  void DeletingSkipsTablesWithoutFiles() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);
    Click(p.Btorol);
    QVERIFY(Pick(p.dbnevek, QStringLiteral("Anna")));
    Click(p.Btorles);
    QCOMPARE(w.dialogs.texts, Texts{"A játékos összes adata törlődött!"});
    QVERIFY(!std::filesystem::exists(folder.File("utolso.xml")));
    QVERIFY(!std::filesystem::exists(folder.File("eredmenyek.xml")));
    QCOMPARE(States(Reloaded(MakePlayerTable, folder.File("jatekosok.xml"))), (Ints{2}));
  }

  void ListChoosesThePlayer() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna", "Béla"});
    WindowUnderTest w(folder);
    NamesPage p(w);
    ShowWindow(w);
    p.Ekiv->setFocus();
    const QRect second = p.Mnevek->visualItemRect(p.Mnevek->item(1));
    QTest::mouseClick(p.Mnevek->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(p.Ekiv->text(), QStringLiteral("Béla"));
    QCOMPARE(QApplication::focusWidget(), p.Btovabb);
    // Esc on the name page's buttons leaves the program.
    PressKey(p.Bmod, Qt::Key_Escape);
    QVERIFY(!w.window->isVisible());
  }
};

QTEST_MAIN(PlayersTest)
#include "players_test.moc"
