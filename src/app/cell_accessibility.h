#pragma once
// What a screen reader says for a cell of the grid. Its two labels show a digit or "_" and the
// candidates in small type; their accessible names say the same in words, with the cell's place.
#include <QString>
#include <optional>
#include <string_view>

namespace kvadrix::app {

struct CellNames {
  QString digit;  // L<row><col>: "3. sor, 5. oszlop: üres, jelöltek: 1 2 8 9", "...: 7, alap"
  QString candidates;  // S<row><col>: "3. sor, 5. oszlop jelöltjei: 1 2 8 9"
};

// `digit` 0 is an empty cell; a filled cell is the player's ("beírt") or a given ("alap").
// `candidates` is the cell's candidate text ("1289"), nullopt while the candidate labels are
// hidden, so the names never tell more than the screen does.
CellNames CellAccessibleNames(int row, int col, int digit, bool player_cell,
                              std::optional<std::string_view> candidates);

}  // namespace kvadrix::app
