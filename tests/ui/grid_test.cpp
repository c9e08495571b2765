// The grid of cell labels and the operations on it.
#include <QtTest>

#include "support/ui/ui_fixtures.h"
#include "widgets/ui_look.h"

using kvadrix::test::PlayFolder;
using kvadrix::test::SmallLibrary;
using kvadrix::test::WindowUnderTest;
using kvadrix::widgets::kGivenCellColour;
using kvadrix::widgets::kPlayerCellColour;

namespace {

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

}  // namespace

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<PlayFolder>();
    folder_->WritePuzzles(SmallLibrary());
    w_ = std::make_unique<WindowUnderTest>(*folder_);
  }

  void StartsEmptyAndBlack() {
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        const auto cell = *w_->window->play_page().grid().LocateCellLabels(row, col);
        QCOMPARE(cell.digit->text(), QStringLiteral("_"));
        QCOMPARE(cell.candidates->text(), QStringLiteral("123456789"));
        QCOMPARE(TextColour(cell.digit), kGivenCellColour);
        QCOMPARE(cell.digit->cursor().shape(), Qt::PointingHandCursor);
      }
    }
    QCOMPARE(w_->Find<QLabel>("Lmaradt")->text(), QStringLiteral("81"));
  }

  void LocatesLabelsInTheirBox() {
    const auto cell = w_->window->play_page().grid().LocateCellLabels(4, 7);
    QVERIFY(cell.has_value());
    QCOMPARE(cell->digit->objectName(), QStringLiteral("L47"));
    QCOMPARE(cell->candidates->objectName(), QStringLiteral("S47"));
    QCOMPARE(cell->digit->parentWidget()->objectName(), QStringLiteral("GB6"));
    QCOMPARE(cell->candidates->parentWidget()->objectName(), QStringLiteral("GB6"));
    QCOMPARE(cell->digit->geometry(), QRect(28, 8, 18, 37));  // first row and column of GB6
    QCOMPARE(cell->candidates->geometry(), QRect(8, 40, 54, 13));
    QCOMPARE(w_->window->play_page().grid().LocateCellLabels(9, 9)->digit->geometry(),
             QRect(176, 120, 18, 37));
    QVERIFY(!w_->window->play_page().grid().LocateCellLabels(0, 5).has_value());
    QVERIFY(!w_->window->play_page().grid().LocateCellLabels(10, 5).has_value());
    QVERIFY(!w_->window->play_page().grid().LocateCellLabels(5, 10).has_value());
    QCOMPARE(w_->Find<QGroupBox>("GB9")->geometry(), QRect(508, 484, 225, 169));
    QCOMPARE(w_->Find<QGroupBox>("GB22")->geometry(), QRect(60, 150, 673, 18));
  }

  void GivensAndPlayerCells() {
    auto& tabla = *w_->window;
    tabla.play_page().grid().SetGivenCell(1, 1, 5);
    QCOMPARE(w_->Find<QLabel>("L11")->text(), QStringLiteral("5"));
    QVERIFY(w_->Find<QLabel>("S11")->text().isEmpty());
    QCOMPARE(w_->Find<QLabel>("Lmaradt")->text(), QStringLiteral("80"));
    QCOMPARE(tabla.session().state().board.At(1, 1), 5);
    tabla.play_page().grid().SetGivenCell(5, 5, 3);
    tabla.play_page().grid().SetGivenCell(9, 2, 8);
    tabla.play_page().grid().ColourPlayerCells();
    int player_cells = 0;
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        const auto cell = *tabla.play_page().grid().LocateCellLabels(row, col);
        const bool given = cell.digit->text() != QStringLiteral("_");
        QCOMPARE(TextColour(cell.digit), given ? kGivenCellColour : kPlayerCellColour);
        QCOMPARE(TextColour(cell.candidates), given ? kGivenCellColour : kPlayerCellColour);
        player_cells += !given;
      }
    }
    QCOMPARE(player_cells, 78);
    QCOMPARE(w_->Find<QLabel>("Lmaradt")->text(), QStringLiteral("78"));

    tabla.play_page().grid().ResetBoard();
    QCOMPARE(w_->Find<QLabel>("L55")->text(), QStringLiteral("_"));
    QCOMPARE(w_->Find<QLabel>("S55")->text(), QStringLiteral("123456789"));
    QCOMPARE(TextColour(w_->Find<QLabel>("L12")), kGivenCellColour);
    QCOMPARE(TextColour(w_->Find<QLabel>("S12")), kGivenCellColour);
    QCOMPARE(w_->Find<QLabel>("Lmaradt")->text(), QStringLiteral("81"));
    QCOMPARE(tabla.session().state().remaining_count, 81);
  }

  void ShowAndHideTheWholeGrid() {
    w_->window->play_page().grid().ShowBoard();
    for (const char* name : {"GB1", "GB5", "GB9", "GB22"})
      QVERIFY(!w_->Find<QGroupBox>(name)->isHidden());
    w_->window->play_page().grid().HideBoard();
    for (const char* name : {"GB1", "GB5", "GB9", "GB22"})
      QVERIFY(w_->Find<QGroupBox>(name)->isHidden());
  }

  void cleanup() {
    w_.reset();
    folder_.reset();
  }

 private:
  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
};

QTEST_MAIN(GridTest)
#include "grid_test.moc"
