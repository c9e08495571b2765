// The candidate aids of "Segítség..." and the level presets of "Szint". The rules and their
// chains are the session's (game/aid_controls.h): a box the user changes is written into it, and
// every box, Bfel and the candidate labels then mirror it, quietly, so no handler runs twice.
#include <QSignalBlocker>
#include <utility>

#include "app/checked_change.h"
#include "app/tabla.h"
#include "app/ui_look.h"

namespace kvadrix::app {
namespace {

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
  OnCheckedChange(ui_.cbsz, Guard([this] { cbszClick(); }));
  connect(ui_.Bfel, &QPushButton::clicked, this, Guard([this] { BfelClick(); }));
  connect(ui_.Bel, &QPushButton::clicked, this, Guard([this] { BelClick(); }));
  OnCheckedChange(ui_.rbk, Guard([this] { rbkClick(); }));
  OnCheckedChange(ui_.rbh, Guard([this] { rbhClick(); }));
  OnCheckedChange(ui_.rbm, Guard([this] { rbmClick(); }));
}

void TTabla::RecomputeCandidates() { session_.RecomputeCandidates(*this); }

void TTabla::ChangeAids(const std::function<void(game::AidControls&)>& change) {
  session_.ChangeAids(change, *this);
  MirrorAids();
}

void TTabla::MirrorAids() {
  const game::AidControls& aids = session_.aids();
  const std::pair<QCheckBox*, game::AidBox> boxes[] = {
      {ui_.CBE, game::AidBox::kCBE},     {ui_.CBE2, game::AidBox::kCBE2},
      {ui_.CBE3, game::AidBox::kCBE3},   {ui_.CBO, game::AidBox::kCBO},
      {ui_.CBE5D, game::AidBox::kCBE5D}, {ui_.CBX, game::AidBox::kCBX},
      {ui_.CBE9, game::AidBox::kCBE9},   {ui_.cbsz, game::AidBox::kCbsz}};
  for (const auto& [box, which] : boxes) {
    const QSignalBlocker mirror(box);
    box->setChecked(aids.Box(which).checked);
    box->setEnabled(aids.Box(which).enabled);
  }
  ui_.Bfel->setEnabled(aids.RevealEnabled());
  if (aids.CandidatesShown() != candidate_labels_shown_) {
    candidate_labels_shown_ = aids.CandidatesShown();
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        LocateCellLabels(row, col)->candidates->setVisible(candidate_labels_shown_);
        NameCell(row, col);
      }
    }
  }
  ui_.Bfel->setVisible(!candidate_labels_shown_);
  ui_.Bel->setVisible(candidate_labels_shown_);
}

void TTabla::CBEClick() {
  ChangeAids([on = ui_.CBE->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBE, on);
  });
}

void TTabla::CBE2Click() {
  // Shared by CBE2, CBE3, CBE5D and CBE9: each writes its own state.
  ChangeAids([this](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBE2, ui_.CBE2->isChecked());
    aids.SetChecked(game::AidBox::kCBE3, ui_.CBE3->isChecked());
    aids.SetChecked(game::AidBox::kCBE5D, ui_.CBE5D->isChecked());
    aids.SetChecked(game::AidBox::kCBE9, ui_.CBE9->isChecked());
  });
}

void TTabla::CBXClick() {
  ChangeAids([on = ui_.CBX->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBX, on);
  });
}

void TTabla::CBOClick() {
  ChangeAids([on = ui_.CBO->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBO, on);
  });
}

void TTabla::cbszClick() {
  ChangeAids([on = ui_.cbsz->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCbsz, on);
  });
}

void TTabla::BfelClick() {
  ChangeAids([](game::AidControls& aids) { aids.ShowCandidates(true); });
}

void TTabla::BelClick() {
  ChangeAids([](game::AidControls& aids) { aids.ShowCandidates(false); });
}

void TTabla::rbkClick() {
  if (!ui_.rbk->isChecked()) return;
  ChangeAids([](game::AidControls& aids) { aids.ApplyLevel(game::Level::kBeginner); });
}

void TTabla::rbhClick() {
  if (!ui_.rbh->isChecked()) return;
  ChangeAids([](game::AidControls& aids) { aids.ApplyLevel(game::Level::kAdvanced); });
}

void TTabla::rbmClick() {
  if (!ui_.rbm->isChecked()) return;
  ChangeAids([](game::AidControls& aids) { aids.ApplyLevel(game::Level::kMaster); });
}

}  // namespace kvadrix::app
