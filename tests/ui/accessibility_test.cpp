// What a screen reader hears: the cells' names follow the game and what the grid shows, the
// edits and boxes are named after their captions, and every other control by its caption.
#include <QAccessible>
#include <QTableView>
#include <QtTest>

#include "app/cell_accessibility.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "widgets/ui_look.h"

using namespace kvadrix::test;

namespace {

QString Spoken(const QObject* object) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(const_cast<QObject*>(object));
  return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

// What a screen reader says for a control. On Linux a combo box's own name is the text it shows,
// so the reader takes what the box is for from the label it is labelled by.
QString Heard(const QWidget* control) {
  if (!qobject_cast<const QComboBox*>(control)) return Spoken(control);
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
  for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
    if (qobject_cast<const QLabel*>(label->object())) return label->text(QAccessible::Name);
  }
  return QString();
}

// What the labels of a cell should say, read off what they show: digit or "_", the colour
// that tells givens from the player's digits, the candidates when they are on the screen.
QStringList ExpectedFromScreen(const QLabel* digit, const QLabel* candidates, int row, int col) {
  const QString place = QStringLiteral("%1. sor, %2. oszlop").arg(row).arg(col);
  QStringList spaced;
  for (QChar c : candidates->text()) spaced << QString(c);
  const QString listed = spaced.isEmpty() ? QStringLiteral("nincs") : spaced.join(' ');
  const bool shown = candidates->isVisibleTo(candidates->parentWidget());
  const bool given =
      digit->palette().color(QPalette::WindowText) == kvadrix::widgets::kGivenCellColour;
  QString digit_name = place + ": " + digit->text() + (given ? ", alap" : ", beírt");
  if (digit->text() == "_") digit_name = place + ": üres" + (shown ? ", jelöltek: " + listed : "");
  return {digit_name, place + " jelöltjei: " + (shown ? listed : QStringLiteral("rejtve"))};
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<PlayFolder>();
    folder_->WritePuzzles(SmallLibrary());
    folder_->WritePlayers({"Anna"});
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    w_->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_->window.get()));
  }

  // A game from its start through a move, its undo and the hidden candidates: after each step
  // every cell's two names agree with what the cell shows, and naming changes nothing shown.
  void CellNamesFollowTheGame() {
    using kvadrix::app::CellAccessibleNames;
    QCOMPARE(CellAccessibleNames(3, 5, 0, true, "1289").digit,
             QStringLiteral("3. sor, 5. oszlop: üres, jelöltek: 1 2 8 9"));
    QCOMPARE(CellAccessibleNames(3, 5, 0, true, "").digit,
             QStringLiteral("3. sor, 5. oszlop: üres, jelöltek: nincs"));
    QCOMPARE(Spoken(Cell(3, 5)),
             QStringLiteral("3. sor, 5. oszlop: üres, jelöltek: 1 2 3 4 5 6 7 8 9"));
    Click(w_->Find<QPushButton>("Btovabb"));
    w_->Find<QComboBox>("CBBe")->setCurrentText(QStringLiteral("Könnyű"));
    w_->Find<QComboBox>("CBjatek")->setCurrentText(QStringLiteral("1"));
    Click(w_->Find<QPushButton>("Bbetoltes"));
    QVERIFY(w_->window->session().ClockRuns());
    CheckEveryCell();

    // The first given and the first empty cell, in words.
    int given_row = 1, given_col = 1, row = 1, col = 1;
    while (Cell(given_row, given_col)->text() == "_") Next(given_row, given_col);
    while (Cell(row, col)->text() != "_") Next(row, col);
    QCOMPARE(Spoken(Cell(given_row, given_col)), QStringLiteral("%1. sor, %2. oszlop: %3, alap")
                                                     .arg(given_row)
                                                     .arg(given_col)
                                                     .arg(Cell(given_row, given_col)->text()));

    const int digit = SolvedGridDigit(row, col);
    Click(w_->Find<QPushButton>(qPrintable(QStringLiteral("B%1").arg(digit))));
    QTest::mouseClick(Cell(row, col), Qt::LeftButton);
    QCOMPARE(Cell(row, col)->text(), QString::number(digit));
    QCOMPARE(Spoken(Cell(row, col)),
             QStringLiteral("%1. sor, %2. oszlop: %3, beírt").arg(row).arg(col).arg(digit));
    QCOMPARE(Spoken(Candidates(row, col)),
             QStringLiteral("%1. sor, %2. oszlop jelöltjei: nincs").arg(row).arg(col));
    CheckEveryCell();

    Click(w_->Find<QPushButton>("Bundo"));
    QCOMPARE(Cell(row, col)->text(), QStringLiteral("_"));
    QVERIFY(Spoken(Cell(row, col)).contains(QStringLiteral(": üres, jelöltek: ")));
    CheckEveryCell();

    // Hiding the candidates takes them out of the names too; the texts stay as they were.
    const QStringList shown_before = ShownTexts();
    Click(w_->Find<QPushButton>("Bel"));
    QCOMPARE(Spoken(Cell(row, col)), QStringLiteral("%1. sor, %2. oszlop: üres").arg(row).arg(col));
    CheckEveryCell();
    Click(w_->Find<QPushButton>("Bfel"));
    CheckEveryCell();
    QCOMPARE(ShownTexts(), shown_before);
  }

  // Edits and boxes are named after the label in front of them, following the form's modes;
  // every control with a caption of its own is named by it.
  void ControlsAreNamedAfterTheirCaptions() {
    const NamesPage page(*w_);
    QCOMPARE(Spoken(page.Ekiv), QStringLiteral("Kiválasztott játékos"));
    QCOMPARE(Spoken(page.Mnevek), QStringLiteral("Játékosok"));
    auto* level = w_->Find<QComboBox>("CBBe");
    QCOMPARE(level->accessibleName(), QStringLiteral("Nehézség"));
    QCOMPARE(Spoken(level->lineEdit()), QStringLiteral("Nehézség"));
    QCOMPARE(Spoken(w_->Find<QLineEdit>("CBjatekEdit")), QStringLiteral("Sorszám"));
    QCOMPARE(Spoken(w_->Find<QTableView>("Racs")), QStringLiteral("Összesítés"));
    Click(page.Bhozza);
    QCOMPARE(Spoken(page.Eujnev), QStringLiteral("Név /minimum 3 karakter/"));
    QCOMPARE(Spoken(page.Bjelszo), QStringLiteral("Jelszó"));
    QCOMPARE(Spoken(page.Bjelszo2), QStringLiteral("Jelszó újra"));
    QCOMPARE(Spoken(page.SE), QStringLiteral("Szín"));
    Click(page.Bmod);
    QCOMPARE(page.dbnevek->accessibleName(), QStringLiteral("Válasszon ki egy nevet"));
    QCOMPARE(Heard(page.dbnevek), QStringLiteral("Válasszon ki egy nevet:"));
    QCOMPARE(Spoken(page.BjelszoR), QStringLiteral("Jelszó"));
    QCOMPARE(Spoken(page.Bjelszo), QStringLiteral("Új jelszó"));
    QCOMPARE(Spoken(page.Bjelszo2), QStringLiteral("Új jelszó újra"));
    Click(page.Btorol);
    QCOMPARE(Spoken(page.Bjelszo), QStringLiteral("Adja meg a jelszavát a törléshez"));

    int captioned = 0;
    for (const QWidget* control : w_->window->findChildren<QWidget*>()) {
      QString caption;
      if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        caption = button->text();
      } else if (auto* group = qobject_cast<const QGroupBox*>(control)) {
        caption = group->title();
      } else if (auto* label = qobject_cast<const QLabel*>(control)) {
        const QString name = label->objectName();
        const bool cell = name.size() == 3 && (name[0] == 'L' || name[0] == 'S') &&
                          name[1].isDigit() && name[2].isDigit();
        if (cell || label->window() != w_->window.get()) continue;
        caption = label->text();
        // The clock and the remaining count say what they show.
        if (name == "Lido") caption = QStringLiteral("Idő: ") + caption;
        if (name == "Lmaradt") caption = QStringLiteral("Hátralévő mezők: ") + caption;
      } else {
        continue;
      }
      // Qt's own parts (scroll arrows) and the untitled boxes take their names from around them.
      if (control->objectName().isEmpty() || caption.isEmpty()) continue;
      QCOMPARE(Spoken(control), caption);
      ++captioned;
    }
    QVERIFY(captioned >= 60);  // the buttons, boxes, groups and labels of the three pages
  }

  void cleanup() {
    w_.reset();
    folder_.reset();
  }

 private:
  QLabel* Cell(int row, int col) const {
    return w_->window->findChild<QLabel*>(QStringLiteral("L%1%2").arg(row).arg(col));
  }
  QLabel* Candidates(int row, int col) const {
    return w_->window->findChild<QLabel*>(QStringLiteral("S%1%2").arg(row).arg(col));
  }
  static void Next(int& row, int& col) { col == 9 ? (++row, col = 1) : ++col; }

  void CheckEveryCell() const {
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        const QStringList expected =
            ExpectedFromScreen(Cell(row, col), Candidates(row, col), row, col);
        QCOMPARE(Spoken(Cell(row, col)), expected[0]);
        QCOMPARE(Spoken(Candidates(row, col)), expected[1]);
      }
    }
  }

  QStringList ShownTexts() const {
    QStringList texts;
    for (const QLabel* label : w_->window->findChildren<QLabel*>()) texts << label->text();
    return texts;
  }

  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
