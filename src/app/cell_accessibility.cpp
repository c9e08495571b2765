#include "app/cell_accessibility.h"

namespace kvadrix::app {
namespace {

// "1 2 8 9", or "nincs" for no candidates: digits one by one, as they are spoken.
QString SpokenCandidates(std::string_view candidates) {
  if (candidates.empty()) return QStringLiteral("nincs");
  QString spoken;
  spoken.reserve(2 * qsizetype(candidates.size()));
  for (char digit : candidates) {
    if (!spoken.isEmpty()) spoken += QChar(' ');
    spoken += QChar(digit);
  }
  return spoken;
}

}  // namespace

CellNames CellAccessibleNames(int row, int col, int digit, bool player_cell,
                              std::optional<std::string_view> candidates) {
  const QString place = QStringLiteral("%1. sor, %2. oszlop").arg(row).arg(col);
  CellNames names;
  if (digit != 0) {
    names.digit = place + QStringLiteral(": ") + QChar('0' + digit) +
                  (player_cell ? QStringLiteral(", beírt") : QStringLiteral(", alap"));
  } else if (candidates) {
    names.digit = place + QStringLiteral(": üres, jelöltek: ") + SpokenCandidates(*candidates);
  } else {
    names.digit = place + QStringLiteral(": üres");
  }
  names.candidates = place + QStringLiteral(" jelöltjei: ") +
                     (candidates ? SpokenCandidates(*candidates) : QStringLiteral("rejtve"));
  return names;
}

}  // namespace kvadrix::app
