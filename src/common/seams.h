#pragma once
// The program's doors to the outside world, injected so every flow can be tested:
// messages and questions, the wall clock, and the random source.
#include <cstdint>
#include <string>

namespace kvadrix {

// Every message box and Yes/No question of the program goes through this.
// Texts are UTF-8; "\r\n" inside them is shown as a line break.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Inform(const std::string& text) = 0;
  virtual bool Ask(const std::string& text) = 0;  // true = Yes
};

// Current local date-time as a day count: day 0 is 30 December 1899, the fraction the time of day.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double Now() const = 0;
};

// Uniform whole numbers, for player keys.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Seed(uint64_t seed) = 0;
  virtual uint32_t Below(uint32_t bound) = 0;  // 0 .. bound-1
};

}  // namespace kvadrix
