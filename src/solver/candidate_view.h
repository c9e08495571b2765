#pragma once
// Where the candidate texts go after every update: the window's 81 candidate labels.
#include <string_view>

namespace kvadrix::solver {

class CandidateView {
 public:
  virtual ~CandidateView() = default;
  // `text` is the entry's digits ascending ("1289"), empty for a filled cell. Valid only
  // during the call.
  virtual void ShowCandidates(int row, int col, std::string_view text) = 0;
};

// For callers without labels: tests, benchmarks, the puzzle tools.
class NullCandidateView final : public CandidateView {
 public:
  void ShowCandidates(int, int, std::string_view) override {}
};

}  // namespace kvadrix::solver
