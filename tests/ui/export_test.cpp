// "Excel-be": each export is a new workbook of the Board in the chosen folder, handed to the
// desktop under a busy cursor; every failure ends in the one message with the default cursor.
#include <QtTest>

#include "export/board_export.h"
#include "support/ui/ui_fixtures.h"
#include "support/xlsx_contents.h"

using kvadrix::test::PlayFolder;
using kvadrix::test::SmallLibrary;
using kvadrix::test::WindowUnderTest;
using Path = std::filesystem::path;

class ExportTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<PlayFolder>();
    folder_->WritePuzzles(SmallLibrary());
    std::filesystem::create_directory(Dir());
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    opened_.clear();
    Load();
  }

  void EachExportIsANewWorkbookOfTheBoardAsItStands() {
    Export(Dir(), true);
    QCOMPARE(w_->dialogs.texts, std::vector<std::string>{});
    QCOMPARE(opened_, (std::vector<std::pair<Path, Qt::CursorShape>>{
                          {Dir() / "kvadrix-1.xlsx", Qt::WaitCursor}}));
    QCOMPARE(Values(opened_[0].first), 31);  // the givens
    const std::string first = folder_->ReadText("tmp/kvadrix-1.xlsx");

    // A digit the player clicked in, then a second export: a second file, the first left as it
    // was; erased again, a third export leaves the cell empty.
    int empty = 0;
    while (w_->window->game().board.AtIndex(empty) != 0) ++empty;
    const int row = empty / 9 + 1, col = empty % 9 + 1;
    ClickCell(row, col, kvadrix::test::SolvedGridDigit(row, col));
    Export(Dir(), true);
    QCOMPARE(opened_.at(1).first, Dir() / "kvadrix-2.xlsx");
    QCOMPARE(Values(opened_[1].first), 32);
    QCOMPARE(folder_->ReadText("tmp/kvadrix-1.xlsx"), first);
    ClickCell(row, col, 0);
    Export(Dir(), true);
    QCOMPARE(Values(opened_.at(2).first), 31);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(w_->window->ClockRuns());  // the game goes on
  }

  void FailuresShowTheMessageWithTheDefaultCursor() {
    const std::vector<std::string> message = {std::string(kvadrix::sheet::kExportFailedMessage)};
    Export(Dir(), false);  // no program for .xlsx on the desktop
    QCOMPARE(w_->dialogs.texts, message);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(std::filesystem::exists(Dir() / "kvadrix-1.xlsx"));  // what was written stays

    w_->dialogs.texts.clear();
    Export(Dir() / "missing", true);  // a folder that cannot take the file
    QCOMPARE(w_->dialogs.texts, message);
    QCOMPARE(opened_.size(), size_t(1));  // nothing more reached the desktop
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

 private:
  Path Dir() const { return folder_->Path() / "tmp"; }

  void ClickCell(int row, int col, int digit) {
    QTest::mouseClick(w_->Find<QPushButton>(qPrintable(QStringLiteral("B%1").arg(digit))),
                      Qt::LeftButton);
    QTest::mouseClick(w_->Find<QLabel>(qPrintable(QStringLiteral("L%1%2").arg(row).arg(col))),
                      Qt::LeftButton);
  }

  void Load() {
    auto* bexcel = w_->Find<QPushButton>("Bexcel");
    QVERIFY(!bexcel->isEnabled());
    w_->Find<QComboBox>("CBBe")->setCurrentText(QStringLiteral("Könnyű"));
    w_->Find<QComboBox>("CBjatek")->setCurrentText(QStringLiteral("1"));
    QTest::mouseClick(w_->Find<QPushButton>("Bbetoltes"), Qt::LeftButton);
    QVERIFY(bexcel->isEnabled());
  }

  void Export(const Path& folder, bool opens) {
    w_->window->SetExportTarget({folder, [this, opens](const Path& file) {
                                   const QCursor* cursor = QApplication::overrideCursor();
                                   opened_.emplace_back(file,
                                                        cursor ? cursor->shape() : Qt::ArrowCursor);
                                   return opens;
                                 }});
    QTest::mouseClick(w_->Find<QPushButton>("Bexcel"), Qt::LeftButton);
  }

  // How many digits the workbook holds; each one is the Board's digit of its cell.
  int Values(const Path& file) {
    const auto values = kvadrix::testing::ReadXlsx(file).values;
    for (const auto& [cell, digit] : values) {
      const int row = std::stoi(cell.substr(1)) - 1, col = cell[0] - 'A';
      if (!kvadrix::board::IsOnBoard(row, col) || w_->window->game().board.At(row, col) != digit) {
        return -1;
      }
    }
    return int(values.size());
  }

  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
  std::vector<std::pair<Path, Qt::CursorShape>> opened_;
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
