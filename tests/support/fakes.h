#pragma once
// The program's seams as the tests drive them: dialogs that record every text and answer from a
// queue, a clock moved by hand, and a random source that returns scripted draws.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/seams.h"

namespace kvadrix::testing {

class ScriptedDialogs : public Dialogs {
 public:
  void Inform(const std::string& text) override {
    texts.push_back(text);
    if (on_show) on_show(text);
  }
  bool Ask(const std::string& text) override {
    texts.push_back(text);
    if (on_show) on_show(text);
    if (answers.empty()) return false;  // an unexpected question is visible in `texts`
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::string> texts;
  std::deque<bool> answers;
  std::function<void(const std::string&)> on_show;  // sees the program while a box is open
};

class ManualClock : public Clock {
 public:
  explicit ManualClock(double start = 46000.5) : now(start) {}  // 9 December 2025, noon
  double Now() const override { return now; }
  void AdvanceTicks(int ticks) { now += ticks / 100000.0; }
  double now;
};

class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::deque<uint32_t> scripted) : draws(std::move(scripted)) {}
  void Seed(uint64_t seed) override { seeds.push_back(seed); }
  uint32_t Below(uint32_t bound) override {
    bounds.push_back(bound);
    if (draws.empty()) {
      ++unscripted;  // tests check this stays 0 where the number of draws matters
      return 0;
    }
    const uint32_t draw = draws.front() % bound;
    draws.pop_front();
    return draw;
  }
  std::deque<uint32_t> draws;
  std::vector<uint64_t> seeds;
  std::vector<uint32_t> bounds;
  int unscripted = 0;
};

}  // namespace kvadrix::testing
