// "Excel-be": each export is a new workbook of the Board in the chosen folder, handed to the
// desktop under a busy cursor; every failure ends in the one message with the default cursor.
#include <QtTest>
#include <fstream>
#include <tuple>

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
    // Named after the puzzle and the day; the desktop is asked once the cursor is back.
    const std::string name = "Kvadrix Könnyű 1 2025-12-09";
    QCOMPARE(opened_, (std::vector<std::pair<Path, Qt::CursorShape>>{
                          {Dir() / (name + ".xlsx"), Qt::ArrowCursor}}));
    QCOMPARE(Values(opened_[0].first), 31);  // the givens
    const std::string first = folder_->ReadText("tmp/" + name + ".xlsx");

    // A digit the player clicked in, then a second export: a second file, the first left as it
    // was; erased again, a third export leaves the cell empty.
    int empty = 0;
    while (w_->window->session().state().board.AtIndex(empty) != 0) ++empty;
    const int row = empty / 9 + 1, col = empty % 9 + 1;
    ClickCell(row, col, kvadrix::test::SolvedGridDigit(row, col));
    Export(Dir(), true);
    QCOMPARE(opened_.at(1).first, Dir() / (name + " (2).xlsx"));
    QCOMPARE(Values(opened_[1].first), 32);
    QCOMPARE(folder_->ReadText("tmp/" + name + ".xlsx"), first);
    ClickCell(row, col, 0);
    Export(Dir(), true);
    QCOMPARE(Values(opened_.at(2).first), 31);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(w_->window->session().ClockRuns());  // the game goes on
  }

  void FailuresShowTheMessageWithTheDefaultCursor() {
    const std::vector<std::string> message = {std::string(kvadrix::sheet::kExportFailedMessage)};
    const Path written = Dir() / "Kvadrix Könnyű 1 2025-12-09.xlsx";
    Export(Dir(), false);  // no program for .xlsx on the desktop: the user learns where it is
    QCOMPARE(w_->dialogs.texts,
             std::vector<std::string>{message[0] +
                                      "\r\nA munkafüzet el lett mentve ide: " + written.string()});
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(std::filesystem::exists(written));

    w_->dialogs.texts.clear();
    Export(Dir() / "missing", true);  // a folder that cannot take the file
    QCOMPARE(w_->dialogs.texts, message);
    QCOMPARE(opened_.size(), size_t(1));  // nothing more reached the desktop
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  // The desktop may answer after the window is closed and gone: the answer finds no window and
  // shows nothing.
  void AnAnswerAfterTheWindowIsGoneIsDropped() {
    std::function<void(bool)> answer;
    w_->window->play_page().SetExportTarget(
        {Dir(),
         [&answer](const Path&, std::function<void(bool)> done) { answer = std::move(done); }});
    QTest::mouseClick(w_->Find<QPushButton>("Bexcel"), Qt::LeftButton);
    QVERIFY(answer != nullptr);
    w_->window->close();
    w_->window.reset();
    answer(false);
    QCOMPARE(w_->dialogs.texts, std::vector<std::string>{});
  }

  // The desktop's own programs, played by scripts on PATH: no program for .xlsx files, one
  // whose opener fails a moment after it started, and one that opens the workbook.
  void TheDesktopIsAskedAndItsAnswerWaitedFor() {
    const Path bin = folder_->Path() / "bin";
    std::filesystem::create_directory(bin);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray(bin.c_str()) + ":" + path);
    const auto script = [&](const char* name, const std::string& body) {
      std::ofstream(bin / name) << "#!/bin/sh\n" << body << "\n";
      std::filesystem::permissions(bin / name, std::filesystem::perms::owner_all);
    };
    const std::string failed = std::string(kvadrix::sheet::kExportFailedMessage) +
                               "\r\nA munkafüzet el lett mentve ide: " + Dir().string() +
                               "/Kvadrix Könnyű 1 2025-12-09";
    script("xdg-open", "echo \"$1\" >> " + (bin / "opened").string());
    for (const auto& [handler, opener_status, expected] :
         {std::tuple{"", 0, failed + ".xlsx"}, std::tuple{"calc.desktop", 3, failed + " (2).xlsx"},
          std::tuple{"calc.desktop", 0, std::string()}}) {
      script("xdg-mime", std::string("echo ") + handler);
      script("xdg-open", "echo \"$1\" >> " + (bin / "opened").string() + "; exit " +
                             std::to_string(opener_status));
      w_->dialogs.texts.clear();
      w_->window->play_page().SetExportTarget({Dir(), {}});
      QTest::mouseClick(w_->Find<QPushButton>("Bexcel"), Qt::LeftButton);
      if (expected.empty()) {
        QTRY_COMPARE(folder_->ReadText("bin/opened"),
                     "" + Dir().string() + "/Kvadrix Könnyű 1 2025-12-09 (2).xlsx\n" +
                         Dir().string() + "/Kvadrix Könnyű 1 2025-12-09 (3).xlsx\n");
        QTest::qWait(100);  // no message follows a success, however late
        QCOMPARE(w_->dialogs.texts, std::vector<std::string>{});
      } else {
        QTRY_COMPARE(w_->dialogs.texts, std::vector<std::string>{expected});
      }
    }
    qputenv("PATH", path);
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
    w_->window->play_page().SetExportTarget(
        {folder, [this, opens](const Path& file, std::function<void(bool)> done) {
           const QCursor* cursor = QApplication::overrideCursor();
           opened_.emplace_back(file, cursor ? cursor->shape() : Qt::ArrowCursor);
           done(opens);
         }});
    QTest::mouseClick(w_->Find<QPushButton>("Bexcel"), Qt::LeftButton);
  }

  // How many digits the workbook holds; each one is the Board's digit of its cell.
  int Values(const Path& file) {
    const auto values = kvadrix::testing::ReadXlsx(file).values;
    for (const auto& [cell, digit] : values) {
      const int row = std::stoi(cell.substr(1)) - 1, col = cell[0] - 'A';
      if (!kvadrix::board::IsOnBoard(row, col) ||
          w_->window->session().state().board.At(row, col) != digit) {
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
