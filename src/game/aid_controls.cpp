#include "game/aid_controls.h"

namespace kvadrix::game {
namespace {

// What a level leaves open to the player. "K" is a beginner with every aid allowed, "H" allows
// the candidates and Single Position, "M" allows nothing.
struct LevelPreset {
  bool aids_allowed;  // Bfel and CBE: enabled, and CBE checked
  bool beginner;      // CBE2, CBE3 and CBO stay enabled; cell entry keeps its candidate rules
};

constexpr LevelPreset kPresets[] = {{true, true}, {true, false}, {false, false}};

}  // namespace

AidControls::AidControls() {
  for (const AidBox on : {AidBox::kCBE, AidBox::kCBE2, AidBox::kCBE3, AidBox::kCBO}) {
    boxes_[int(on)].checked = true;
  }
}

solver::AidSwitches AidControls::Switches() const {
  return {Box(AidBox::kCBE).checked, Box(AidBox::kCBE2).checked, Box(AidBox::kCBE3).checked};
}

void AidControls::SetChecked(AidBox box, bool checked) {
  if (boxes_[int(box)].checked == checked) return;
  boxes_[int(box)].checked = checked;
  RunHandler(box);
}

void AidControls::RunHandler(AidBox box) {
  switch (box) {
    case AidBox::kCBE: {
      // Single Candidate works only inside Single Position's scans, so it goes off with it and
      // comes back unchecked for the player to choose.
      const bool on = Box(AidBox::kCBE).checked;
      SetChecked(AidBox::kCBE2, false);
      SetEnabled(AidBox::kCBE2, on);
      recompute_requested_ = true;
      return;
    }
    case AidBox::kCBO: {
      const bool on = Box(AidBox::kCBO).checked;
      for (const AidBox aid : {AidBox::kCBE, AidBox::kCBE2, AidBox::kCBE3}) SetChecked(aid, on);
      return;
    }
    case AidBox::kCbsz:
      return;  // read by the moves only
    default:
      recompute_requested_ = true;  // CBE2Click and CBXClick
      return;
  }
}

// The steps after the candidates have been shown or hidden, in their fixed order: the order of
// enabling, checking and unchecking decides which chains run and so where the boxes end up.
void AidControls::ApplyLevel(Level level) {
  if (level == Level::kBeginner) ShowCandidates(true);
  if (level == Level::kMaster) ShowCandidates(false);
  const LevelPreset& preset = kPresets[int(level)];
  reveal_enabled_ = preset.aids_allowed;

  SetEnabled(AidBox::kCBE, preset.aids_allowed);
  SetChecked(AidBox::kCBE, preset.aids_allowed);

  SetEnabled(AidBox::kCBE2, preset.beginner);
  SetChecked(AidBox::kCBE2, false);

  SetEnabled(AidBox::kCBE3, preset.beginner);
  if (!preset.beginner) SetChecked(AidBox::kCBE3, false);  // a beginner keeps it as set

  if (!preset.beginner) {
    for (const AidBox unused : {AidBox::kCBE5D, AidBox::kCBX}) {
      SetEnabled(unused, false);
      SetChecked(unused, false);
    }
  }

  // The box is set before it is locked, so a locked box always shows the level's value.
  SetChecked(AidBox::kCbsz, !preset.beginner);
  SetEnabled(AidBox::kCbsz, preset.beginner);

  // Unchecking CBO while it was checked switches every technique off through its handler.
  SetChecked(AidBox::kCBO, false);
  SetEnabled(AidBox::kCBO, preset.beginner);
}

bool AidControls::TakeRecomputeRequest() {
  const bool requested = recompute_requested_;
  recompute_requested_ = false;
  return requested;
}

}  // namespace kvadrix::game
