#include "board/undo_log.h"

#include <algorithm>

namespace kvadrix::board {

UndoEntry UndoEntry::Placement(int row, int col, int digit) {
  UndoEntry entry;
  entry.chars_ = {char('0' + row), char('0' + col), char('0' + digit), 0};
  entry.length_ = 3;
  return entry;
}

UndoEntry UndoEntry::Erase(int row, int col, int digit) {
  UndoEntry entry = Placement(row, col, digit);
  entry.chars_[3] = '0';
  entry.length_ = 4;
  return entry;
}

void UndoLog::Append(const UndoEntry& entry) {
  if (move_count_ == kSlots) {
    std::shift_left(slots_.begin(), slots_.end(), 1);
    --move_count_;
  }
  slots_[move_count_++] = entry;
}

UndoEntry UndoLog::DropNewest() {
  if (move_count_ == 0) return UndoEntry();
  const UndoEntry newest = slots_[--move_count_];
  slots_[move_count_] = UndoEntry();
  return newest;
}

void UndoLog::Clear() {
  slots_.fill(UndoEntry());
  move_count_ = 0;
}

}  // namespace kvadrix::board
