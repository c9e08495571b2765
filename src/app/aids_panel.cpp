#include "app/aids_panel.h"

#include <QSignalBlocker>
#include <utility>

#include "app/checked_change.h"
#include "app/grid.h"
#include "app/handler_guard.h"
#include "app/widget_factory.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {
namespace {

// Half way between the yellow captions and the window's colour.
const QColor kLockedCaptionColour(160, 192, 128);

// The buttons inside the group boxes would otherwise fall back to the application's font,
// which is too wide for "Felfedése" in its 57 pixels. The presets lock boxes, so a locked box
// must look locked: its caption dims instead of staying yellow.
void StyleAidControls(const AidsPanel::Controls& ui) {
  for (QGroupBox* group : {ui.GroupBox12, ui.GroupBox15}) {
    for (QAbstractButton* button : group->findChildren<QAbstractButton*>()) {
      button->setFont(widgets::UiFont(11));
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

AidsPanel::AidsPanel(QWidget* page, game::GameSession& session, Grid& grid, HandlerGuard& guard)
    : session_(session), grid_(grid) {
  Build(page);
  Connect(guard);
}

void AidsPanel::Build(QWidget* page) {
  ui_.GroupBox12 =
      MakeGroup(page, "GroupBox12", QStringLiteral("Segítség... "), QRect(176, 0, 193, 73));
  QWidget* aids = ui_.GroupBox12;
  ui_.CBE = MakeCheck(aids, "CBE", QStringLiteral("1"), QStringLiteral("Single Position"),
                      QRect(8, 16, 30, 17), true);
  ui_.CBE2 = MakeCheck(aids, "CBE2", QStringLiteral("2"), QStringLiteral("Single Candidate"),
                       QRect(40, 16, 30, 17), true);
  ui_.CBE3 = MakeCheck(aids, "CBE3", QStringLiteral("3"), QStringLiteral("Candidate Lines"),
                       QRect(72, 16, 30, 17), true);
  ui_.CBO = MakeCheck(aids, "CBO", QStringLiteral("O"),
                      QStringLiteral("Single Position/Single Candidate/Candidate Lines"),
                      QRect(128, 52, 30, 17), true);
  ui_.Bfel = MakeButton(aids, "Bfel", QStringLiteral("Felfedése"), QRect(128, 24, 57, 25));
  ui_.Bel = MakeButton(aids, "Bel", QStringLiteral("Elrejtése"), QRect(128, 24, 57, 25));
  ui_.Bfel->hide();
  // Never shown and read by no technique; the level presets only switch them off.
  ui_.CBE5D = MakeCheck(aids, "CBE5D", QStringLiteral("D"), {}, QRect(146, 8, 33, 17), false);
  ui_.CBX = MakeCheck(aids, "CBX", QStringLiteral("X"), {}, QRect(152, 48, 33, 17), false);
  ui_.CBU = MakeCheck(aids, "CBU", QStringLiteral("U"), {}, QRect(112, 8, 33, 17), false);
  ui_.CBE9 = MakeCheck(aids, "CBE9", QStringLiteral("9"), {}, QRect(160, 52, 30, 17), false);
  for (QCheckBox* hidden : {ui_.CBE5D, ui_.CBX, ui_.CBU, ui_.CBE9}) hidden->hide();
  for (QCheckBox* box : {ui_.CBE, ui_.CBE2, ui_.CBE3, ui_.CBO})
    widgets::SetCaptionColour(box, widgets::kLightYellow);

  ui_.GroupBox13 = MakeGroup(page, "GroupBox13", QStringLiteral("Kirakás - Segítséggel "),
                             QRect(376, 35, 113, 38));
  ui_.GroupBox13->setFont(widgets::UiFont(10));  // the caption is long for the box's 113 pixels
  ui_.Bcsak1 =
      MakeButton(ui_.GroupBox13, "Bcsak1", QStringLiteral("Csak 1"), QRect(10, 16, 47, 17));
  ui_.Bteljes =
      MakeButton(ui_.GroupBox13, "Bteljes", QStringLiteral("Teljes"), QRect(58, 16, 47, 17));

  ui_.GroupBox15 = MakeGroup(page, "GroupBox15", QStringLiteral("Szint "), QRect(376, 0, 163, 33));
  QWidget* level = ui_.GroupBox15;
  ui_.rbk = MakeRadio(level, "rbk", QStringLiteral("K"), QStringLiteral("Kezdő"),
                      QRect(6, 13, 32, 17), true);
  ui_.rbh = MakeRadio(level, "rbh", QStringLiteral("H"), QStringLiteral("Haladó"),
                      QRect(40, 13, 32, 17), false);
  ui_.rbm = MakeRadio(level, "rbm", QStringLiteral("M"), QStringLiteral("Mester"),
                      QRect(74, 13, 32, 17), false);
  ui_.cbsz = MakeCheck(level, "cbsz", QStringLiteral("Sz. K."),
                       QStringLiteral("Számegyezőség kikapcsolása"), QRect(106, 13, 55, 17), false);
  for (QAbstractButton* button :
       std::initializer_list<QAbstractButton*>{ui_.rbk, ui_.rbh, ui_.rbm, ui_.cbsz}) {
    widgets::SetCaptionColour(button, widgets::kLightYellow);
  }
}

void AidsPanel::Connect(HandlerGuard& guard) {
  StyleAidControls(ui_);
  OnCheckedChange(ui_.CBE, guard.Wrap([this] { CBEClick(); }));
  for (QCheckBox* box : {ui_.CBE2, ui_.CBE3, ui_.CBE5D, ui_.CBE9}) {
    OnCheckedChange(box, guard.Wrap([this] { CBE2Click(); }));
  }
  OnCheckedChange(ui_.CBX, guard.Wrap([this] { CBXClick(); }));
  OnCheckedChange(ui_.CBO, guard.Wrap([this] { CBOClick(); }));
  OnCheckedChange(ui_.cbsz, guard.Wrap([this] { cbszClick(); }));
  connect(ui_.Bfel, &QPushButton::clicked, this, guard.Wrap([this] { BfelClick(); }));
  connect(ui_.Bel, &QPushButton::clicked, this, guard.Wrap([this] { BelClick(); }));
  OnCheckedChange(ui_.rbk, guard.Wrap([this] { rbkClick(); }));
  OnCheckedChange(ui_.rbh, guard.Wrap([this] { rbhClick(); }));
  OnCheckedChange(ui_.rbm, guard.Wrap([this] { rbmClick(); }));
}

std::vector<QWidget*> AidsPanel::KeyedControls() const {
  return {ui_.CBO,  ui_.CBE, ui_.CBE2,   ui_.CBE3,    ui_.CBE5D, ui_.CBX, ui_.CBU, ui_.CBE9,
          ui_.Bfel, ui_.Bel, ui_.Bcsak1, ui_.Bteljes, ui_.rbk,   ui_.rbh, ui_.rbm, ui_.cbsz};
}

void AidsPanel::CheckPreset(int szint) {
  QRadioButton* const presets[] = {ui_.rbk, ui_.rbh, ui_.rbm};
  presets[szint - 1]->setChecked(true);
}

void AidsPanel::ChangeAids(const std::function<void(game::AidControls&)>& change) {
  session_.ChangeAids(change, grid_);
  MirrorAids();
}

void AidsPanel::MirrorAids() {
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
  grid_.ShowCandidateLabels(aids.CandidatesShown());
  ui_.Bfel->setVisible(!aids.CandidatesShown());
  ui_.Bel->setVisible(aids.CandidatesShown());
}

void AidsPanel::CBEClick() {
  ChangeAids([on = ui_.CBE->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBE, on);
  });
}

void AidsPanel::CBE2Click() {
  // Shared by CBE2, CBE3, CBE5D and CBE9: each writes its own state.
  ChangeAids([this](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBE2, ui_.CBE2->isChecked());
    aids.SetChecked(game::AidBox::kCBE3, ui_.CBE3->isChecked());
    aids.SetChecked(game::AidBox::kCBE5D, ui_.CBE5D->isChecked());
    aids.SetChecked(game::AidBox::kCBE9, ui_.CBE9->isChecked());
  });
}

void AidsPanel::CBXClick() {
  ChangeAids([on = ui_.CBX->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBX, on);
  });
}

void AidsPanel::CBOClick() {
  ChangeAids([on = ui_.CBO->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCBO, on);
  });
}

void AidsPanel::cbszClick() {
  ChangeAids([on = ui_.cbsz->isChecked()](game::AidControls& aids) {
    aids.SetChecked(game::AidBox::kCbsz, on);
  });
}

void AidsPanel::BfelClick() {
  ChangeAids([](game::AidControls& aids) { aids.ShowCandidates(true); });
}

void AidsPanel::BelClick() {
  ChangeAids([](game::AidControls& aids) { aids.ShowCandidates(false); });
}

void AidsPanel::rbkClick() {
  if (!ui_.rbk->isChecked()) return;
  ChangeAids([](game::AidControls& aids) { aids.ApplyLevel(game::Level::kBeginner); });
}

void AidsPanel::rbhClick() {
  if (!ui_.rbh->isChecked()) return;
  ChangeAids([](game::AidControls& aids) { aids.ApplyLevel(game::Level::kAdvanced); });
}

void AidsPanel::rbmClick() {
  if (!ui_.rbm->isChecked()) return;
  ChangeAids([](game::AidControls& aids) { aids.ApplyLevel(game::Level::kMaster); });
}

}  // namespace kvadrix::app
