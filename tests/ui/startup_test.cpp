// Program start: the puzzle library, the player list, damaged files, window size and keys.
#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "support/ui/window_steps.h"

using kvadrix::test::PlayFolder;
using kvadrix::test::PressKey;
using namespace kvadrix::test;
using kvadrix::test::SmallLibrary;
using kvadrix::test::WindowUnderTest;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void MissingLibraryRefusesToStart() {
    PlayFolder folder;
    WindowUnderTest w(folder);
    QCOMPARE(w.dialogs.texts, std::vector<std::string>{
                                  "Hiányzik a sudoku.xml file, ezért nem léphet be a programba!"});
    QVERIFY(w.window->StartupFailed());
    w.window->show();
    w.window->FormActivate();
    QVERIFY(!w.window->isVisible());
    QVERIFY(std::filesystem::is_empty(folder.Path()));  // nothing else was loaded or written
  }

  void WithoutPlayerFileOnlyAddingIsOffered() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary(3, 2));
    WindowUnderTest w(folder);
    QVERIFY(w.dialogs.texts.empty());
    QVERIFY(w.Find<QLineEdit>("Ekiv")->text().isEmpty());
    QVERIFY(!w.Find<QPushButton>("Bmod")->isEnabled());
    QVERIFY(!w.Find<QPushButton>("Btorol")->isEnabled());
    QVERIFY(!w.Find<QPushButton>("Btovabb")->isEnabled());
    QVERIFY(w.Find<QPushButton>("Bhozza")->isEnabled());
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.window->FormActivate();
    QCOMPARE(QApplication::focusWidget(), w.Find<QPushButton>("Bhozza"));
    QVERIFY(w.Find<QGroupBox>("GB5")->isHidden());
    QVERIFY(w.Find<QGroupBox>("GB22")->isHidden());
    // The first level's selectors; the missing tables exist only in memory.
    QCOMPARE(w.Find<QLabel>("Ldb")->text(), QStringLiteral("(3)"));
    QCOMPARE(w.Find<QComboBox>("CBjatek")->count(), 3);
    QCOMPARE(w.Find<QComboBox>("CBjatek")->itemText(2), QStringLiteral("3"));
    QCOMPARE(w.Find<QComboBox>("CBjatek")->currentText(), QStringLiteral("1"));
    QCOMPARE(w.Find<QComboBox>("CBBe")->currentText(), QStringLiteral("Könnyű"));
    QVERIFY(!std::filesystem::exists(folder.File("eredmenyek.xml")));
    QVERIFY(!std::filesystem::exists(folder.File("utolso.xml")));
    QVERIFY(!std::filesystem::exists(folder.File("jatekosok.xml")));
  }

  void FivePlayersAreListedInStoredOrder() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Zsófi", "Anna", "Béla", "Ödön", "Kata"});
    WindowUnderTest w(folder);
    auto* list = w.Find<QListWidget>("Mnevek");
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Zsófi"));
    QCOMPARE(list->item(3)->text(), QStringLiteral("Ödön"));
    QCOMPARE(w.Find<QLineEdit>("Ekiv")->text(), QStringLiteral("Zsófi"));
    QVERIFY(!w.Find<QPushButton>("Bhozza")->isEnabled());
    QVERIFY(w.Find<QPushButton>("Bmod")->isEnabled());
    QCOMPARE(w.window->names_page().PlayerCount(), 5);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.window->FormActivate();
    QCOMPARE(QApplication::focusWidget(), w.Find<QPushButton>("Btovabb"));
  }

  void NoPuzzleOfTheFirstLevel() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary(0, 2));
    WindowUnderTest w(folder);
    QCOMPARE(w.Find<QLabel>("Ldb")->text(), QStringLiteral("(0)"));
    QCOMPARE(w.Find<QComboBox>("CBjatek")->count(), 0);
    QCOMPARE(w.Find<QComboBox>("CBjatek")->currentText(), QStringLiteral("1"));
  }

  void DamagedPlayerFileIsReportedAndKept() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    const std::string damaged = "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET";
    folder.WriteText("jatekosok.xml", damaged);
    {
      WindowUnderTest w(folder);
      QCOMPARE(w.dialogs.texts.size(), size_t(1));
      QVERIFY(w.dialogs.texts[0].find("jatekosok.xml") != std::string::npos);
      QVERIFY(!w.window->StartupFailed());
      QCOMPARE(w.Find<QListWidget>("Mnevek")->count(), 0);
    }
    QCOMPARE(folder.ReadText("jatekosok.xml"), damaged);
  }

  void DamagedLibraryLeavesTheOtherTablesWorking() {
    PlayFolder folder;
    folder.WriteText("sudoku.xml", "nem XML");
    folder.WritePlayers({"Anna"});
    WindowUnderTest w(folder);
    QCOMPARE(w.dialogs.texts.size(), size_t(1));
    QVERIFY(w.dialogs.texts[0].find("sudoku.xml") != std::string::npos);
    QVERIFY(!w.window->StartupFailed());
    QCOMPARE(w.Find<QListWidget>("Mnevek")->count(), 1);  // the players still load
    QCOMPARE(w.Find<QLabel>("Ldb")->text(), QStringLiteral("(0)"));
  }

  void WindowSizeFollowsTheScreen() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest tall(folder, QSize(1280, 1024));
    QCOMPARE(tall.window->size(), QSize(805, 751));
    QCOMPARE(tall.window->minimumSize(), QSize(805, 731));  // the taller start is not a floor
    QCOMPARE(tall.window->pos(), QPoint((1280 - 805) / 2, (1024 - 751) / 2));
    tall.window->FormActivate();
    QCOMPARE(tall.window->pos().y(), (1024 - 751) / 2);

    WindowUnderTest small(folder, QSize(1024, 768));
    QCOMPARE(small.window->size(), QSize(805, 731));
    small.window->FormActivate();
    QCOMPARE(small.window->pos(), QPoint((1024 - 805) / 2, 0));
    QVERIFY(!(small.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(small.window->windowTitle(), QStringLiteral("Kvadrix v1.15 Free"));
  }

  void KeysChooseDigitsAndEscLeaves() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    WindowUnderTest w(folder);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto* aid = w.Find<QCheckBox>("CBE");
    PressKey(aid, Qt::Key_5);
    QCOMPARE(w.window->session().state().selected_digit, 5);
    QVERIFY(aid->isChecked());  // the key chose a digit, it did not toggle the box
    PressKey(w.Find<QPushButton>("B5"), Qt::Key_0);
    QCOMPARE(w.window->session().state().selected_digit, 0);
    QTest::mouseClick(w.Find<QPushButton>("B7"), Qt::LeftButton);
    QCOMPARE(w.window->session().state().selected_digit, 7);
    // Esc in the name box is the box's own; on "Tovább" it closes the window.
    PressKey(w.Find<QLineEdit>("Ekiv"), Qt::Key_Escape);
    QVERIFY(w.window->isVisible());
    PressKey(w.Find<QPushButton>("Btovabb"), Qt::Key_Escape);
    QVERIFY(!w.window->isVisible());
  }

  // After any button a digit key still chooses the digit, and the chosen digit's button shows
  // pressed, whichever way it was chosen.
  void DigitKeysAfterAnyButton() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    WindowUnderTest w(folder);
    QVERIFY(ShowWindow(w));
    w.dialogs.answers = {false};
    Click(w.Find<QPushButton>("Btovabb"));
    w.dialogs.texts.clear();
    LoadPuzzle(w, QStringLiteral("Könnyű"), QStringLiteral("1"));
    auto checked = [&w] {
      QString digits;
      for (int digit = 0; digit <= 9; ++digit) {
        if (w.Find<QPushButton>(qPrintable(QStringLiteral("B%1").arg(digit)))->isChecked())
          digits += QString::number(digit);
      }
      return digits;
    };
    QCOMPARE(checked(), QStringLiteral("1"));
    int moves = 0;  // two, so "Vissza" stays enabled after one undo
    for (int row = 1; row <= 9 && moves < 2; ++row) {
      for (int col = 1; col <= 9 && moves < 2; ++col) {
        auto* cell = w.window->findChild<QLabel*>(QStringLiteral("L%1%2").arg(row).arg(col));
        if (cell->text() != QStringLiteral("_")) continue;
        Click(
            w.Find<QPushButton>(qPrintable(QStringLiteral("B%1").arg(SolvedGridDigit(row, col)))));
        QTest::mouseClick(cell, Qt::LeftButton);
        ++moves;
      }
    }
    QVERIFY(w.Find<QPushButton>("Bundo")->isEnabled());
    Click(w.Find<QPushButton>("Bundo"));
    PressKey(w.Find<QPushButton>("Bundo"), Qt::Key_3);
    QCOMPARE(w.window->session().state().selected_digit, 3);
    QCOMPARE(checked(), QStringLiteral("3"));
    Click(w.Find<QPushButton>("B3"));  // a click on the chosen digit leaves it chosen
    QCOMPARE(checked(), QStringLiteral("3"));
    PressKey(w.Find<QPushButton>("Bexcel"), Qt::Key_0);
    QCOMPARE(w.window->session().state().selected_digit, 0);
    QCOMPARE(checked(), QStringLiteral("0"));
    QVERIFY(w.dialogs.texts.empty());
    Click(w.Find<QPushButton>("Bcsak1"));  // it chooses the digit it places
    QCOMPARE(checked(), QString::number(w.window->session().state().selected_digit));
    QVERIFY(!checked().isEmpty() && checked() != QStringLiteral("0"));
  }

  void ExitButtonCloses() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    WindowUnderTest w(folder);
    w.window->show();
    QTest::mouseClick(w.Find<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(!w.window->isVisible());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
