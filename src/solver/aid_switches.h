#pragma once
// The three technique switches, read from their check boxes at each call: CBE, CBE2, CBE3.
namespace kvadrix::solver {

struct AidSwitches {
  bool single_position = false;   // CBE; Single Candidate works only inside its scans
  bool single_candidate = false;  // CBE2
  bool candidate_lines = false;   // CBE3
};

inline constexpr AidSwitches kAllAids{true, true, true};
inline constexpr AidSwitches kNoAids{false, false, false};

}  // namespace kvadrix::solver
