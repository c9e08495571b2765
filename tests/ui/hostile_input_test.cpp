// Hostile text typed into the window: names and passwords go through the form, the player file,
// a restart, "Tovább", a change of password and a deletion unchanged, or are refused where they
// are typed; text in the game number box loads nothing and says why.
#include <QListWidget>
#include <QtTest>

#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "support/ui/window_steps.h"

using namespace kvadrix::test;

namespace {

constexpr char kNameRefused[] =
    "A név olyan karaktert tartalmaz, amelyet a program nem tud tárolni!";
constexpr char kPasswordRefused[] =
    "A jelszó olyan karaktert tartalmaz, amelyet a program nem tud tárolni!";
constexpr char kLoadAGame[] = "Kérem töltsön be egy játékot!";
constexpr int kNewKey = 4711;

// The player file as a fresh store reads it: "nev|jelszo" of every visible row.
QStringList StoredPlayers(const PlayFolder& folder) {
  kvadrix::tables::TableStore players =
      Reloaded(kvadrix::players::MakePlayerTable, folder.File("jatekosok.xml"));
  QStringList rows;
  for (players.First(); !players.Eof(); players.Next()) {
    rows << QString::fromStdString(players.FieldByName("nev").AsString() + "|" +
                                   players.FieldByName("jelszo").AsString());
  }
  return rows;
}

void ClickTab(const WindowUnderTest& w, int page) {
  auto* tabs = w.Find<QTabWidget>("TB");
  QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(page).center());
}

}  // namespace

class HostileInputTest : public QObject {
  Q_OBJECT

 private slots:
  void NamesAndPasswordsThroughTheWindow_data() {
    QTest::addColumn<QString>("name");      // typed key by key
    QTest::addColumn<QString>("password");  // typed into both password boxes
    QTest::addColumn<QString>("stored_name");
    QTest::addColumn<QString>("stored_password");
    QTest::addColumn<QStringList>("refusals");  // shown while typing, in order
    const QStringList none;
    const auto row = [&](const char* label, const char* name, const char* password) {
      QTest::newRow(label) << QString::fromUtf8(name) << QString::fromUtf8(password)
                           << QString::fromUtf8(name) << QString::fromUtf8(password) << none;
    };
    row("quotes and apostrophes", "O'Brien", "'\"&<>\\*");
    row("markup, ten characters", "<i>Ödi</i>", "<b>x</b>");
    row("escapes as text", "&#092;&lt;", "&amp;");
    row("star at the end", "Csil*", "*");
    row("backslashes", "C:\\x\\y", "\\\\");
    row("filter text", "x' or ''='", "NEV='Anna'");
    row("spaces", " sp ace ", " ");
    row("Hungarian accents, ten", "Árvíztűrőt", "ŐŰőűÁÉ€ˇ˘˝");
    row("Central European letters", "Łódź", "ąęśćżňř");
    row("empty password", "Üres", "");
    // The boxes hold ten characters: an eleventh key does nothing.
    QTest::newRow("eleven keys") << QStringLiteral("Tizenegyedi") << QStringLiteral("12345678901")
                                 << QStringLiteral("Tizenegyed") << QStringLiteral("1234567890")
                                 << none;
    // Outside code page 1250: the character is refused as it is typed, the rest goes on.
    QTest::newRow("outside code page 1250")
        << QString::fromUtf8("Muñoz") << QString::fromUtf8("pw😀") << QStringLiteral("Muoz")
        << QStringLiteral("pw") << QStringList{kNameRefused, kPasswordRefused, kPasswordRefused};
    // Control characters (U+0081 would be a byte code page 1250 lacks) never enter the boxes.
    QTest::newRow("control characters")
        << QString::fromUtf8("Ab\u0081cd") << QString::fromUtf8("\u0090x") << QStringLiteral("Abcd")
        << QStringLiteral("x") << none;
  }

  void NamesAndPasswordsThroughTheWindow() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, stored_name);
    QFETCH(QString, stored_password);
    QFETCH(QStringList, refusals);
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Csilla"});  // key 101: a prefix match of "Csil*" would find her
    {
      WindowUnderTest w(folder);
      NamesPage page(w);
      QVERIFY(ShowWindow(w));
      w.random.draws = {kNewKey};
      AddThroughForm(page, name, password, password);
      Texts shown;
      for (const QString& refusal : refusals) shown.push_back(refusal.toStdString());
      shown.push_back("A felvitel sikerült");
      QCOMPARE(Lines(TakeTexts(w)), Lines(shown));
      QCOMPARE(Items(page.Mnevek), (QStringList{QStringLiteral("Csilla"), stored_name}));
      QCOMPARE(page.Ekiv->text(), stored_name);
      QCOMPARE(StoredPlayers(folder),
               (QStringList{QStringLiteral("Csilla|"), stored_name + "|" + stored_password}));

      // The stored password opens the change; the name becomes the new password (the new
      // password boxes keep their text in this mode, so they are emptied first).
      Click(page.Bmod);
      QVERIFY(Pick(page.dbnevek, stored_name));
      Type(page.BjelszoR, stored_password);
      Retype(page.Bjelszo, stored_name);
      Retype(page.Bjelszo2, stored_name);
      Click(page.Bmodosit);
      QCOMPARE(TakeTexts(w), Texts{"A módosítás megtörtént!\r\nA jelszó is módosítva lett!"});
      QCOMPARE(StoredPlayers(folder),
               (QStringList{QStringLiteral("Csilla|"), stored_name + "|" + stored_name}));
    }
    folder.WriteResults({{kNewKey, 10001, 61}});

    // After a restart the name is listed, chosen, found by "Tovább" and shown as it is.
    WindowUnderTest w(folder);
    NamesPage page(w);
    QVERIFY(ShowWindow(w));
    QCOMPARE(Items(page.Mnevek), (QStringList{QStringLiteral("Csilla"), stored_name}));
    QTest::mouseClick(page.Mnevek->viewport(), Qt::LeftButton, {},
                      page.Mnevek->visualItemRect(page.Mnevek->item(1)).center());
    QCOMPARE(page.Ekiv->text(), stored_name);
    Click(page.Btovabb);
    QCOMPARE(TakeTexts(w), Texts{kLoadAGame});
    QCOMPARE(w.window->CurrentPlayerKey(), kNewKey);
    LoadPuzzle(w, QStringLiteral("Könnyű"), QStringLiteral("1"));
    for (const auto& [label, text] : {std::pair{"SBText", "Játékos neve: " + stored_name},
                                      std::pair{"Lnevaki", stored_name + " legjobbja:"},
                                      std::pair{"Lnevvalaki", stored_name}}) {
      QCOMPARE(LabelText(w, label), text);
      QCOMPARE(w.Find<QLabel>(label)->textFormat(), Qt::PlainText);
    }
    ClickTab(w, kvadrix::app::TTabla::kNamesPage);
    Retype(page.Ekiv, stored_name);  // typed by hand, the same
    Click(page.Btovabb);
    TakeTexts(w);
    QCOMPARE(w.window->CurrentPlayerKey(), kNewKey);

    ClickTab(w, kvadrix::app::TTabla::kNamesPage);
    Click(page.Btorol);
    QVERIFY(Pick(page.dbnevek, stored_name));
    Type(page.Bjelszo, stored_name);
    Click(page.Btorles);
    QCOMPARE(TakeTexts(w), Texts{"A játékos összes adata törlődött!"});
    QCOMPARE(Items(page.Mnevek), QStringList{QStringLiteral("Csilla")});
    QCOMPARE(StoredPlayers(folder), QStringList{QStringLiteral("Csilla|")});
    QVERIFY(
        Rows(Reloaded(kvadrix::players::MakeResultTable, folder.File("eredmenyek.xml"))).empty());
  }

  // Whatever is typed into the game number box, Enter loads the one puzzle it names or says
  // why not, and the next good number still loads.
  void TextInTheGameNumberBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // empty: puzzle 10000 + `started` starts
    QTest::addColumn<int>("started");
    const QString not_a_number = QStringLiteral("\"%1\" nem érvényes szám.");
    const QString none = QString::fromUtf8("Hiba történt, kérem válasszon ki egy másik játékot!");
    QTest::newRow("a number") << QStringLiteral("2") << QString() << 2;
    QTest::newRow("spaces around") << QStringLiteral(" 3 ") << QString() << 3;
    QTest::newRow("a plus sign") << QStringLiteral("+2") << QString() << 2;
    QTest::newRow("no such game") << QStringLiteral("99") << none << 0;
    QTest::newRow("zero") << QStringLiteral("0") << none << 0;
    QTest::newRow("negative") << QStringLiteral("-1") << none << 0;
    QTest::newRow("empty") << QString() << none << 0;
    for (const char* text :
         {"abc", "1'", "2 and 1=1", "1.5", "1e1", "<b>1</b>", "2147483648", "٣", "½", "١٢"}) {
      const QString typed = QString::fromUtf8(text);
      QTest::newRow(text) << typed << not_a_number.arg(typed) << 0;
    }
  }

  void TextInTheGameNumberBox() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, started);
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary(3, 2));
    folder.WritePlayers({"Anna"});
    WindowUnderTest w(folder);
    QVERIFY(ShowWindow(w));
    Click(w.Find<QPushButton>("Btovabb"));
    TakeTexts(w);
    auto* number = w.Find<QComboBox>("CBjatek")->lineEdit();
    number->clear();
    Type(number, typed);
    PressKey(w.Find<QComboBox>("CBjatek"), Qt::Key_Return);
    QCOMPARE(Lines(TakeTexts(w)), message.isEmpty() ? QString() : message + QChar('\n'));
    QCOMPARE(ClockRuns(w), started != 0);
    if (started != 0) QCOMPARE(w.window->CurrentPuzzleId(), 10000 + started);

    Retype(number, QStringLiteral("1"));
    PressKey(w.Find<QComboBox>("CBjatek"), Qt::Key_Return);
    QVERIFY(TakeTexts(w).empty());
    QCOMPARE(w.window->CurrentPuzzleId(), 10001);
    QVERIFY(ClockRuns(w));
  }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
