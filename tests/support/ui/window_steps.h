#pragma once
// Steps through the whole window that several flows share: showing it, loading and finishing a
// game by clicks, and what it said meanwhile.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"

namespace kvadrix::test {

using Texts = std::vector<std::string>;

// False when the window never showed.
[[nodiscard]] inline bool ShowWindow(const WindowUnderTest& w) {
  w.window->show();
  return QTest::qWaitForWindowExposed(w.window.get());
}

// The texts shown since the last call.
inline Texts TakeTexts(WindowUnderTest& w) { return std::exchange(w.dialogs.texts, {}); }

// Texts one per line, for comparisons that show what differs.
inline QString Lines(const Texts& texts) {
  QString lines;
  for (const std::string& text : texts) lines += QString::fromStdString(text) + QChar('\n');
  return lines;
}

inline bool ClockRuns(const WindowUnderTest& w) { return w.Find<QTimer>("T1")->isActive(); }

inline QString LabelText(const WindowUnderTest& w, const char* label) {
  return w.Find<QLabel>(label)->text();
}

// "Betöltés" with the level and game number typed into their boxes.
inline void LoadPuzzle(const WindowUnderTest& w, const QString& level, const QString& number) {
  w.Find<QComboBox>("CBBe")->setCurrentText(level);
  w.Find<QComboBox>("CBjatek")->setCurrentText(number);
  Click(w.Find<QPushButton>("Bbetoltes"));
}

// Fills every empty cell of a puzzle made by GivensOfSolvedGrid with its digit, by clicks, and
// returns the last cell filled (none when there was no empty cell).
inline QLabel* FillEmptyCells(const WindowUnderTest& w) {
  QLabel* last = nullptr;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      auto* cell = w.window->findChild<QLabel*>(QStringLiteral("L%1%2").arg(row).arg(col));
      if (cell->text() != QStringLiteral("_")) continue;
      Click(w.Find<QPushButton>(qPrintable(QStringLiteral("B%1").arg(SolvedGridDigit(row, col)))));
      QTest::mouseClick(cell, Qt::LeftButton);
      last = cell;
    }
  }
  return last;
}

inline std::string CompletionQuestion(const QString& time) {
  return "Ön kirakta a feladványt!\r\nIdeje: " + time.toStdString() +
         "\r\nBetöltődjön új feladvány?";
}

}  // namespace kvadrix::test
