#pragma once
// The aids of "Segítség..." and the level presets of "Szint", as the game knows them: which
// technique and entry switches are checked and enabled, and whether the candidates are shown.
// The window mirrors these; a box's change runs its handler and every chain that follows, in the
// window's handler rule: a handler runs when a box really changes, also inside another handler.
#include <array>

#include "solver/aid_switches.h"

namespace kvadrix::game {

enum class AidBox { kCBE, kCBE2, kCBE3, kCBO, kCBE5D, kCBX, kCBE9, kCbsz };
inline constexpr int kAidBoxCount = 8;

// rbk, rbh, rbm.
enum class Level { kBeginner, kAdvanced, kMaster };

struct BoxState {
  bool checked = false;
  bool enabled = true;
};

class AidControls {
 public:
  AidControls();

  BoxState Box(AidBox box) const { return boxes_[int(box)]; }
  solver::AidSwitches Switches() const;
  bool CandidateRulesOff() const { return Box(AidBox::kCbsz).checked; }  // cbsz
  bool CandidatesShown() const { return candidates_shown_; }
  bool RevealEnabled() const { return reveal_enabled_; }  // Bfel

  // A check, by the player or a program step; setting the state a box has runs nothing.
  void SetChecked(AidBox box, bool checked);
  // BfelClick and BelClick.
  void ShowCandidates(bool shown) { candidates_shown_ = shown; }
  // rbkClick, rbhClick, rbmClick once their button is checked.
  void ApplyLevel(Level level);

  // Whether a handler that recomputes the candidates ran since the last call. Recomputing starts
  // from the Board, so once with the final switches stands for every run of the chain.
  bool TakeRecomputeRequest();

 private:
  void SetEnabled(AidBox box, bool enabled) { boxes_[int(box)].enabled = enabled; }
  void RunHandler(AidBox box);

  std::array<BoxState, kAidBoxCount> boxes_{};
  bool candidates_shown_ = true;
  bool reveal_enabled_ = true;
  bool recompute_requested_ = false;
};

}  // namespace kvadrix::game
