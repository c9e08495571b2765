// The candidate aids of "Segítség..." and the level presets of "Szint".
//
// Every check box and radio button handler hangs on OnCheckedChange, so a program step that
// really changes a box runs its handler at once, in the middle of the step that set it. The
// presets below are written step by step for that reason: the order of enabling, checking and
// unchecking decides which chains run and so where the boxes end up.
#include "app/checked_change.h"
#include "app/tabla.h"
#include "app/ui_look.h"
#include "solver/candidates.h"

namespace kvadrix::app {
namespace {

// What a level leaves open to the player. "K" is a beginner with every aid allowed, "H" allows
// the candidates and Single Position, "M" allows nothing.
struct LevelPreset {
  bool aids_allowed;  // Bfel and CBE: enabled, and CBE checked
  bool beginner;      // CBE2, CBE3 and CBO stay enabled; cell entry keeps its candidate rules
};

constexpr LevelPreset kBeginner{true, true};
constexpr LevelPreset kAdvanced{true, false};
constexpr LevelPreset kMaster{false, false};

// The steps after the candidates have been shown or hidden, in their fixed order.
void ApplyLevelPreset(const TablaControls& ui, const LevelPreset& preset) {
  ui.Bfel->setEnabled(preset.aids_allowed);

  ui.CBE->setEnabled(preset.aids_allowed);
  ui.CBE->setChecked(preset.aids_allowed);

  ui.CBE2->setEnabled(preset.beginner);
  ui.CBE2->setChecked(false);

  ui.CBE3->setEnabled(preset.beginner);
  if (!preset.beginner) ui.CBE3->setChecked(false);  // a beginner keeps Candidate Lines as set

  if (!preset.beginner) {
    for (QCheckBox* unused : {ui.CBE5D, ui.CBX}) {
      unused->setEnabled(false);
      unused->setChecked(false);
    }
  }

  // The box is set before it is locked, so a locked box always shows the level's value.
  ui.cbsz->setChecked(!preset.beginner);
  ui.cbsz->setEnabled(preset.beginner);

  // Unchecking CBO while it was checked switches every technique off through CBOClick.
  ui.CBO->setChecked(false);
  ui.CBO->setEnabled(preset.beginner);
}

// Half way between the yellow captions and the window's colour.
const QColor kLockedCaptionColour(160, 192, 128);

// The buttons inside the group boxes would otherwise fall back to the application's font,
// which is too wide for "Felfedése" in its 57 pixels. The presets lock boxes, so a locked box
// must look locked: its caption dims instead of staying yellow.
void StyleAidControls(const TablaControls& ui) {
  for (QGroupBox* group : {ui.GroupBox12, ui.GroupBox15}) {
    for (QAbstractButton* button : group->findChildren<QAbstractButton*>()) {
      button->setFont(UiFont(11));
    }
  }
  for (QCheckBox* box : {ui.CBE, ui.CBE2, ui.CBE3, ui.CBO, ui.cbsz}) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kLockedCaptionColour);
    palette.setColor(QPalette::Disabled, QPalette::Text, kLockedCaptionColour);
    box->setPalette(palette);
  }
}

}  // namespace

void TTabla::ConnectAidHandlers() {
  StyleAidControls(ui_);
  OnCheckedChange(ui_.CBE, Guard([this] { CBEClick(); }));
  for (QCheckBox* box : {ui_.CBE2, ui_.CBE3, ui_.CBE5D, ui_.CBE9}) {
    OnCheckedChange(box, Guard([this] { CBE2Click(); }));
  }
  OnCheckedChange(ui_.CBX, Guard([this] { CBXClick(); }));
  OnCheckedChange(ui_.CBO, Guard([this] { CBOClick(); }));
  connect(ui_.Bfel, &QPushButton::clicked, this, Guard([this] { BfelClick(); }));
  connect(ui_.Bel, &QPushButton::clicked, this, Guard([this] { BelClick(); }));
  OnCheckedChange(ui_.rbk, Guard([this] { rbkClick(); }));
  OnCheckedChange(ui_.rbh, Guard([this] { rbhClick(); }));
  OnCheckedChange(ui_.rbm, Guard([this] { rbmClick(); }));
}

void TTabla::RecomputeCandidates() { solver::RecomputeCandidates(game_, CurrentSwitches(), *this); }

void TTabla::CBEClick() {
  // Single Candidate works only inside Single Position's scans, so it goes off with it and
  // comes back unchecked for the player to choose.
  const bool on = ui_.CBE->isChecked();
  ui_.CBE2->setChecked(false);
  ui_.CBE2->setEnabled(on);
  RecomputeCandidates();
}

void TTabla::CBE2Click() { RecomputeCandidates(); }

void TTabla::CBXClick() { RecomputeCandidates(); }

void TTabla::CBOClick() {
  const bool on = ui_.CBO->isChecked();
  for (QCheckBox* box : {ui_.CBE, ui_.CBE2, ui_.CBE3}) box->setChecked(on);
}

void TTabla::BfelClick() {
  candidates_shown_ = true;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      LocateCellLabels(row, col)->candidates->show();
      NameCell(row, col);
    }
  }
  ui_.Bfel->hide();
  ui_.Bel->show();
}

void TTabla::BelClick() {
  candidates_shown_ = false;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      LocateCellLabels(row, col)->candidates->hide();
      NameCell(row, col);
    }
  }
  ui_.Bfel->show();
  ui_.Bel->hide();
}

void TTabla::rbkClick() {
  if (!ui_.rbk->isChecked()) return;
  BfelClick();
  ApplyLevelPreset(ui_, kBeginner);
}

void TTabla::rbhClick() {
  if (!ui_.rbh->isChecked()) return;
  ApplyLevelPreset(ui_, kAdvanced);
}

void TTabla::rbmClick() {
  if (!ui_.rbm->isChecked()) return;
  BelClick();
  ApplyLevelPreset(ui_, kMaster);
}

}  // namespace kvadrix::app
