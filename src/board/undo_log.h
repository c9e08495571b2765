#pragma once
// The moves of the current game, newest last, for "Vissza". An entry is text of one decimal
// character each: row, column, placed digit ("357"), or row, column, erased digit, "0" ("3570").
#include <array>
#include <cstdint>
#include <string_view>

namespace kvadrix::board {

class UndoEntry {
 public:
  UndoEntry() = default;
  static UndoEntry Placement(int row, int col, int digit);
  // `digit` is what the Board held before the erase (0 when the cell was already empty).
  static UndoEntry Erase(int row, int col, int digit);

  std::string_view Text() const { return {chars_.data(), length_}; }
  bool Empty() const { return length_ == 0; }
  bool IsErase() const { return length_ == 4; }
  int Row() const { return chars_[0] - '0'; }
  int Col() const { return chars_[1] - '0'; }
  int Digit() const { return chars_[2] - '0'; }

  friend bool operator==(const UndoEntry&, const UndoEntry&) = default;

 private:
  std::array<char, 4> chars_{};
  uint8_t length_ = 0;
};

class UndoLog {
 public:
  static constexpr int kSlots = 81;

  int MoveCount() const { return move_count_; }
  // Slot 1..kSlots; a free slot is an empty entry.
  const UndoEntry& Slot(int n) const { return slots_[n - 1]; }
  const UndoEntry& Newest() const { return slots_[move_count_ > 0 ? move_count_ - 1 : 0]; }

  // A full log drops its oldest entry, so the newest moves can always be taken back.
  void Append(const UndoEntry& entry);
  // Frees the newest slot and returns what it held; nothing happens on an empty log.
  UndoEntry DropNewest();
  // Empties every slot for a new game.
  void Clear();

 private:
  std::array<UndoEntry, kSlots> slots_{};
  int move_count_ = 0;
};

}  // namespace kvadrix::board
