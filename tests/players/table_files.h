#pragma once
// Test support: a temporary folder for table files, a hand-set clock, a scripted random
// source, and reading what a table file holds with a fresh store.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/seams.h"
#include "tables/table_store.h"
#include "../common/table_rows.h"

namespace kvadrix::testing {

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("kvadrix_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

class HandClock : public Clock {
 public:
  explicit HandClock(double now) : now_(now) {}
  double Now() const override { return now_; }

 private:
  double now_;
};

class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::deque<uint32_t> draws) : draws_(std::move(draws)) {}
  void Seed(uint64_t seed) override { seeds.push_back(seed); }
  uint32_t Below(uint32_t bound) override {
    bounds.push_back(bound);
    EXPECT_FALSE(draws_.empty()) << "more draws than scripted";
    if (draws_.empty()) return 0;
    const uint32_t draw = draws_.front();
    draws_.pop_front();
    return draw;
  }

  std::vector<uint64_t> seeds;
  std::vector<uint32_t> bounds;

 private:
  std::deque<uint32_t> draws_;
};

inline std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace kvadrix::testing
