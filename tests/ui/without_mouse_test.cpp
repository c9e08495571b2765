// Playing without a mouse: whole games by keys sent to the focused widget through the window,
// and through the accessibility interfaces alone, as a screen reader's user plays; what the
// reader is told on the way (the focus, the clock, the remaining count) and how it finds the
// boxes.
#include <QAccessible>
#include <QImage>
#include <QtTest>

#include "app/accessibles.h"
#include "board/game_clock.h"
#include "players/player_tables.h"
#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "support/ui/window_steps.h"

using namespace kvadrix::test;

namespace {

constexpr char kGivenRefused[] = "Ez alap érték, nem lehet törölni!";
constexpr char kDigitRefused[] = "Ide ilyen számot már nem tehetsz!";

struct Heard {
  QObject* object;
  QAccessible::Event type;
  QString name;  // the object's name when the event came
};
std::vector<Heard> heard;

void Listen(QAccessibleEvent* event) {
  QAccessibleInterface* face = event->accessibleInterface();
  heard.push_back({event->object(), event->type(), face ? face->text(QAccessible::Name) : ""});
}

std::vector<Heard> TakeHeard() { return std::exchange(heard, {}); }

int Count(const std::vector<Heard>& events, const QObject* object, QAccessible::Event type) {
  return int(std::count_if(events.begin(), events.end(),
                           [&](const Heard& h) { return h.object == object && h.type == type; }));
}

QString Spoken(QObject* object) {
  return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// Every interface under `face`, in the order the tree lists them.
void Walk(QAccessibleInterface* face, std::vector<QAccessibleInterface*>& all) {
  all.push_back(face);
  for (int i = 0; i < face->childCount(); ++i) {
    if (QAccessibleInterface* child = face->child(i)) Walk(child, all);
  }
}

std::vector<QAccessibleInterface*> Tree(QWidget* window) {
  std::vector<QAccessibleInterface*> all;
  Walk(QAccessible::queryAccessibleInterface(window), all);
  return all;
}

QString CellPlace(int row, int col) {
  return QStringLiteral("%1. sor, %2. oszlop: ").arg(row).arg(col);
}

}  // namespace

class WithoutMouseTest : public QObject {
  Q_OBJECT

 private slots:
  // What the window tells a screen reader; Qt itself passes nothing on without one.
  void initTestCase() { kvadrix::app::SetAccessibleEventListener(Listen); }

  void init() {
    folder_ = std::make_unique<PlayFolder>();
    folder_->WritePuzzles(SmallLibrary());
    folder_->WritePlayers({"Anna"});
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    QVERIFY(ShowWindow(*w_));
    w_->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_->window.get()));
    Click(w_->Find<QPushButton>("Btovabb"));
    LoadPuzzle(*w_, QStringLiteral("Könnyű"), QStringLiteral("1"));
    QVERIFY(w_->window->session().ClockRuns());
    TakeTexts(*w_);
    TakeHeard();
  }

  // Tab reaches the grid as one stop after the page's controls and Shift+Tab leaves it; the
  // arrows walk a framed cursor that the reader's focus follows; digit keys choose and Space or
  // Enter place, with a click's refusals and undo entries, until the puzzle is solved.
  void AWholeGameByKeys() {
    auto* cursor = w_->Find<QWidget>("GridCursor");
    QCOMPARE(QApplication::focusWidget(), w_->Find<QWidget>("B1"));
    QWidgetList stops{QApplication::focusWidget()};
    for (int i = 0; i < 60 && (stops.size() == 1 || stops.back() != stops.front()); ++i) {
      Key(Qt::Key_Tab);
      stops << QApplication::focusWidget();
    }
    QCOMPARE(stops.back(), stops.front());  // the Tab order goes round
    QCOMPARE(stops.count(cursor), 1);
    for (QWidget* stop : stops) QVERIFY(!qobject_cast<QLabel*>(stop));  // cells are no stops
    for (const char* control : {"B2", "B0", "Bbetoltes", "CBE", "Button1"})
      QVERIFY2(stops.contains(w_->Find<QWidget>(control)), control);
    const QWidget* before_grid = stops[stops.indexOf(cursor) - 1];
    const QImage unfocused = w_->window->grab().toImage();
    while (QApplication::focusWidget() != cursor) Key(Qt::Key_Tab);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), before_grid);
    Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cursor);
    CheckCursorFrame(unfocused, 1, 1);
    QCOMPARE(LastFocus(), Cell(1, 1));

    // Refusals as a click gives them: a given cannot be erased, a filled cell takes no digit.
    auto [given_row, given_col] = FirstCell([this](int r, int c) { return Given(r, c); });
    GoTo(given_row, given_col);
    Key(Qt::Key_0);
    QCOMPARE(QApplication::focusWidget(), cursor);  // the digit keys leave the focus here
    QCOMPARE(w_->window->session().state().selected_digit, 0);
    QVERIFY(w_->Find<QPushButton>("B0")->isChecked());
    Key(Qt::Key_Space);
    QCOMPARE(TakeTexts(*w_), Texts{kGivenRefused});
    QTest::mouseClick(Cell(given_row, given_col), Qt::LeftButton);
    QCOMPARE(TakeTexts(*w_), Texts{kGivenRefused});
    QCOMPARE(w_->window->session().state().undo_log.MoveCount(), 0);
    QCOMPARE(QApplication::focusWidget(), cursor);  // a click takes no focus
    const int wrong = SolvedGridDigit(given_row, given_col) % 9 + 1;
    Key(Qt::Key(Qt::Key_0 + wrong));
    Key(Qt::Key_Enter);
    QCOMPARE(TakeTexts(*w_), Texts{kDigitRefused});

    // Every empty cell in reading order, the cursor led there by the arrows.
    int left = LabelText(*w_, "Lmaradt").toInt();
    QCOMPARE(left, 50);
    bool space = true;
    while (left > 0) {
      auto [row, col] = FirstCell([this](int r, int c) { return Cell(r, c)->text() == "_"; });
      const int digit = SolvedGridDigit(row, col);
      Key(Qt::Key(Qt::Key_0 + digit));
      GoTo(row, col);
      if (left == 1) w_->dialogs.answers.push_back(false);  // stay on the solved grid
      Key(space ? Qt::Key_Space : Qt::Key_Return);
      space = !space;
      QCOMPARE(Cell(row, col)->text(), QString::number(digit));
      QCOMPARE(w_->window->session().state().undo_log.Newest().Text(),
               QStringLiteral("%1%2%3").arg(row).arg(col).arg(digit).toStdString());
      QCOMPARE(Spoken(Cell(row, col)), CellPlace(row, col) + QString::number(digit) + ", beírt");
      QCOMPARE(LabelText(*w_, "Lmaradt"), QString::number(--left));
      if (left > 0) QCOMPARE(TakeTexts(*w_), Texts{});
    }
    QCOMPARE(TakeTexts(*w_), Texts{CompletionQuestion(LabelText(*w_, "Lido"))});
    CheckSolvedAndRecorded();
    Key(Qt::Key_Escape);  // Esc on the grid leaves, as on the page's other controls
    QVERIFY(!w_->window->isVisible());
  }

  // The same game through the accessibility tree alone: the digit buttons and the cells are
  // found by their names from the window's interface and pressed by their press action.
  void AWholeGameThroughTheAccessibilityTree() {
    auto [given_row, given_col] = FirstCell([this](int r, int c) { return Given(r, c); });
    PressDigit(0);
    PressCell(given_row, given_col);
    QCOMPARE(TakeTexts(*w_), Texts{kGivenRefused});
    QCOMPARE(w_->window->session().state().undo_log.MoveCount(), 0);

    int left = 50;
    bool first = true;
    while (left > 0) {
      // The next empty cell, as the tree names it.
      int row = 0, col = 0;
      for (QAccessibleInterface* face : Tree(w_->window.get())) {
        const QString name = face->text(QAccessible::Name);
        if (face->role() == QAccessible::Button && name.contains(QStringLiteral(": üres"))) {
          row = name[0].digitValue();
          col = name[8].digitValue();
          QCOMPARE(name.left(CellPlace(row, col).size()), CellPlace(row, col));
          break;
        }
      }
      QVERIFY(row > 0);
      const int digit = SolvedGridDigit(row, col);
      PressDigit(digit);
      QCOMPARE(w_->window->session().state().selected_digit, digit);
      if (left == 1) w_->dialogs.answers.push_back(false);
      PressCell(row, col);
      const std::string entry(w_->window->session().state().undo_log.Newest().Text());
      QCOMPARE(entry.substr(0, 3),
               QStringLiteral("%1%2%3").arg(row).arg(col).arg(digit).toStdString());
      QCOMPARE(LabelText(*w_, "Lmaradt"), QString::number(--left));
      if (first) {
        // A click on the same cell after taking the move back logs the same entry.
        first = false;
        const int moves = w_->window->session().state().undo_log.MoveCount();
        PressButton(QStringLiteral("Vissza"));
        QTRY_COMPARE(Cell(row, col)->text(),
                     QStringLiteral("_"));  // a pressed button flashes first
        QTest::mouseClick(Cell(row, col), Qt::LeftButton);
        QCOMPARE(w_->window->session().state().undo_log.MoveCount(), moves);
        QCOMPARE(std::string(w_->window->session().state().undo_log.Newest().Text()), entry);
        // A digit on the filled cell, refused either way.
        PressDigit(digit % 9 + 1);
        PressCell(row, col);
        QCOMPARE(TakeTexts(*w_), Texts{kDigitRefused});
        QTest::mouseClick(Cell(row, col), Qt::LeftButton);
        QCOMPARE(TakeTexts(*w_), Texts{kDigitRefused});
      }
    }
    QCOMPARE(TakeTexts(*w_), Texts{CompletionQuestion(LabelText(*w_, "Lido"))});
    CheckSolvedAndRecorded();
  }

  // The clock and the remaining count name themselves with what they show; the count is
  // announced at each change, the clock once a minute, not at each of its seconds. The nine
  // boxes are named and listed in reading order, each with its cells in reading order.
  void WhatTheReaderHearsAndFinds() {
    auto* clock = w_->Find<QLabel>("Lido");
    auto* count = w_->Find<QLabel>("Lmaradt");
    QCOMPARE(Spoken(count), QStringLiteral("Hátralévő mezők: 50"));
    QCOMPARE(count->text(), QStringLiteral("50"));
    for (int ticks = 7; ticks <= 150; ticks += 7) {
      w_->clock.AdvanceTicks(7);
      const QString shown = QString::fromStdString(kvadrix::board::FormatTicks(ticks));
      QTRY_COMPARE(clock->text(), shown);
      QCOMPARE(Spoken(clock), QStringLiteral("Idő: ") + shown);
    }
    std::vector<Heard> events = TakeHeard();
    QCOMPARE(Count(events, clock, QAccessible::NameChanged), 2);
    QStringList said;
    for (const Heard& h : events)
      if (h.object == clock) said << h.name;
    QCOMPARE(said, (QStringList{QStringLiteral("Idő: 01:03"), QStringLiteral("Idő: 02:06")}));
    QCOMPARE(Count(events, count, QAccessible::NameChanged), 0);

    auto [row, col] = FirstCell([this](int r, int c) { return Cell(r, c)->text() == "_"; });
    PressDigit(SolvedGridDigit(row, col));
    PressCell(row, col);
    events = TakeHeard();
    QCOMPARE(Count(events, count, QAccessible::NameChanged), 1);
    auto spoken = std::find_if(events.begin(), events.end(),
                               [&](const Heard& h) { return h.object == count; });
    QCOMPARE(spoken->name, QStringLiteral("Hátralévő mezők: 49"));
    PressCell(row, col);  // refused: nothing changes, nothing is said
    QCOMPARE(TakeTexts(*w_), Texts{kDigitRefused});
    QCOMPARE(Count(TakeHeard(), count, QAccessible::NameChanged), 0);

    QStringList boxes;
    for (QAccessibleInterface* face : Tree(w_->window.get())) {
      if (!face->text(QAccessible::Name).endsWith(QStringLiteral(". blokk"))) continue;
      boxes << face->text(QAccessible::Name);
      QCOMPARE(face->role(), QAccessible::Grouping);
      const int box = boxes.size();
      QStringList cells;
      for (int i = 0; i < face->childCount(); ++i) {
        if (face->child(i)->role() == QAccessible::Button)
          cells << face->child(i)->text(QAccessible::Name).left(CellPlace(1, 1).size());
      }
      QStringList expected;
      const int r0 = (box - 1) / 3 * 3 + 1, c0 = (box - 1) % 3 * 3 + 1;
      for (int r = r0; r < r0 + 3; ++r)
        for (int c = c0; c < c0 + 3; ++c) expected << CellPlace(r, c);
      QCOMPARE(cells, expected);
    }
    QStringList expected;
    for (int box = 1; box <= 9; ++box) expected << QStringLiteral("%1. blokk").arg(box);
    QCOMPARE(boxes, expected);
  }

  void cleanup() {
    w_.reset();
    folder_.reset();
    TakeHeard();
  }

 private:
  QLabel* Cell(int row, int col) const {
    return w_->window->findChild<QLabel*>(QStringLiteral("L%1%2").arg(row).arg(col));
  }
  bool Given(int row, int col) const {
    return Cell(row, col)->text() != "_" && !w_->window->session().state().IsPlayerCell(row, col);
  }
  template <typename Test>
  std::pair<int, int> FirstCell(Test test) const {
    for (int row = 1; row <= 9; ++row)
      for (int col = 1; col <= 9; ++col)
        if (test(row, col)) return {row, col};
    return {0, 0};
  }

  // A key as the user presses it: to the window, which gives it to the focused widget.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w_->window->windowHandle(), key, modifiers);
  }

  // The cell the reader was last told has the focus.
  QObject* LastFocus() const {
    for (auto h = heard.rbegin(); h != heard.rend(); ++h)
      if (h->type == QAccessible::Focus) return h->object;
    return nullptr;
  }

  // Arrows from where the cursor stands; each step moves the reader's focus to the next cell.
  void GoTo(int row, int col) {
    while (cursor_row_ != row || cursor_col_ != col) {
      if (cursor_row_ < row) {
        Key(Qt::Key_Down), ++cursor_row_;
      } else if (cursor_row_ > row) {
        Key(Qt::Key_Up), --cursor_row_;
      } else if (cursor_col_ < col) {
        Key(Qt::Key_Right), ++cursor_col_;
      } else {
        Key(Qt::Key_Left), --cursor_col_;
      }
      QAccessibleInterface* face =
          QAccessible::queryAccessibleInterface(Cell(cursor_row_, cursor_col_));
      QVERIFY(face->state().focused);
      QCOMPARE(QAccessible::queryAccessibleInterface(w_->Find<QWidget>("GridCursor"))->focusChild(),
               face);
      QCOMPARE(LastFocus(), Cell(cursor_row_, cursor_col_));
    }
  }

  // The frame: black around white, around the cell only; outside it the grid is as it was.
  void CheckCursorFrame(const QImage& before, int row, int col) {
    const QImage after = w_->window->grab().toImage();
    const QRect cell = Cell(row, col)->geometry().united(
        w_->window->findChild<QLabel*>(QStringLiteral("S%1%2").arg(row).arg(col))->geometry());
    const QRect in_window =
        cell.translated(Cell(row, col)->parentWidget()->mapTo(w_->window.get(), QPoint(0, 0)));
    const QPoint mid(in_window.center().x(), in_window.top());
    const auto at = [&after](QPoint p) { return QColor(after.pixel(p)); };
    QCOMPARE(at(mid - QPoint(0, 4)), QColor(Qt::black));
    QCOMPARE(at(mid - QPoint(0, 1)), QColor(Qt::white));
    QCOMPARE(at(QPoint(in_window.left() - 4, in_window.center().y())), QColor(Qt::black));
    int changed_outside = 0, changed_inside = 0;
    for (int y = 0; y < after.height(); ++y) {
      for (int x = 0; x < after.width(); ++x) {
        if (after.pixel(x, y) == before.pixel(x, y)) continue;
        in_window.adjusted(-6, -6, 6, 6).contains(x, y) && !in_window.contains(x, y)
            ? ++changed_inside
            : ++changed_outside;
      }
    }
    QVERIFY(changed_inside > 4 * in_window.width());
    // Outside the frame only the digit button that lost its focus ring changed.
    QVERIFY2(changed_outside < 3000, qPrintable(QString::number(changed_outside)));
    if (const QByteArray dir = qgetenv("KVADRIX_SHOTS"); !dir.isEmpty())
      after.save(QString::fromLocal8Bit(dir) + QStringLiteral("/grid_cursor.png"));
  }

  QAccessibleInterface* Find(QAccessible::Role role, const QString& name) const {
    for (QAccessibleInterface* face : Tree(w_->window.get())) {
      if (face->role() == role && !face->state().invisible && face->text(QAccessible::Name) == name)
        return face;
    }
    return nullptr;
  }
  // Its press action, or the toggle action a checkable button offers instead.
  void Press(QAccessibleInterface* face) {
    QVERIFY(face);
    const QStringList actions = face->actionInterface()->actionNames();
    for (const QString& action :
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
      if (actions.contains(action)) return face->actionInterface()->doAction(action);
    }
    QFAIL(qPrintable(face->text(QAccessible::Name) + QStringLiteral(" cannot be pressed")));
  }
  void PressButton(const QString& name) { Press(Find(QAccessible::Button, name)); }
  // The digit buttons are found in their group, "Számbeállítás".
  void PressDigit(int digit) {
    const QString caption = digit ? QString::number(digit) : QStringLiteral("_");
    for (QAccessibleInterface* face : Tree(w_->window.get())) {
      if (face->text(QAccessible::Name).trimmed() != QStringLiteral("Számbeállítás")) continue;
      for (int i = 0; i < face->childCount(); ++i) {
        if (face->child(i)->text(QAccessible::Name) == caption) return Press(face->child(i));
      }
    }
    QFAIL("no digit button");
  }
  void PressCell(int row, int col) {
    for (QAccessibleInterface* face : Tree(w_->window.get())) {
      if (face->role() == QAccessible::Button &&
          face->text(QAccessible::Name).startsWith(CellPlace(row, col)))
        return Press(face);
    }
    QFAIL("no such cell");
  }

  void CheckSolvedAndRecorded() {
    const auto& board = w_->window->session().state().board;
    for (int row = 1; row <= 9; ++row)
      for (int col = 1; col <= 9; ++col) QCOMPARE(board.At(row, col), SolvedGridDigit(row, col));
    QVERIFY(!w_->window->session().ClockRuns());
    const auto results =
        Rows(Reloaded(kvadrix::players::MakeResultTable, folder_->File("eredmenyek.xml")));
    QCOMPARE(results.size(), size_t(1));
    QVERIFY(results[0].starts_with("101|10001|"));
  }

  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
  int cursor_row_ = 1, cursor_col_ = 1;
};

QTEST_MAIN(WithoutMouseTest)
#include "without_mouse_test.moc"
