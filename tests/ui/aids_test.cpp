// The aid check boxes, the show/hide buttons and the level presets, with the chains that run
// whenever a box really changes.
#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include "board/game_state.h"
#include "solver/candidates.h"
#include "support/ui/ui_fixtures.h"
#include "widgets/ui_look.h"

using kvadrix::board::GameState;
using kvadrix::solver::AidSwitches;
using kvadrix::test::GivensOfSolvedGrid;
using kvadrix::test::PlayFolder;
using kvadrix::test::SmallLibrary;
using kvadrix::test::WindowUnderTest;

namespace {

constexpr AidSwitches kAll{true, true, true};
constexpr AidSwitches kNone{false, false, false};
constexpr AidSwitches kLinesOnly{false, false, true};
constexpr AidSwitches kPositionAndLines{true, false, true};
constexpr AidSwitches kPositionOnly{true, false, false};
constexpr AidSwitches kPositionAndCandidate{true, true, false};

// Puts "rcd" triples on a model board.
void PlaceGivens(GameState& state, const std::string& givens) {
  for (size_t i = 0; i + 2 < givens.size(); i += 3) {
    kvadrix::board::SetGivenCell(state, givens[i] - '0', givens[i + 1] - '0', givens[i + 2] - '0');
  }
}

// The 81 entries the core gives for these givens and switches, rows outer.
QStringList CoreTexts(const std::string& givens, const AidSwitches& switches) {
  GameState state;
  kvadrix::board::ResetBoard(state);
  PlaceGivens(state, givens);
  kvadrix::solver::NullCandidateView view;
  kvadrix::solver::RecomputeCandidates(state, switches, view);
  QStringList texts;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const std::string_view text = state.candidates.Text(row, col);
      texts << QString::fromLatin1(text.data(), qsizetype(text.size()));
    }
  }
  return texts;
}

}  // namespace

class AidsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { kvadrix::widgets::InstallFontSubstitution(); }  // as the game starts

  void init() {
    folder_ = std::make_unique<PlayFolder>();
    folder_->WritePuzzles(SmallLibrary());
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    // A board on which each technique narrows something the others leave.
    givens_ = GivensOfSolvedGrid(26);
    QVERIFY(CoreTexts(givens_, kAll) != CoreTexts(givens_, kPositionAndLines));
    QVERIFY(CoreTexts(givens_, kPositionAndLines) != CoreTexts(givens_, kLinesOnly));
    QVERIFY(CoreTexts(givens_, kLinesOnly) != CoreTexts(givens_, kNone));
  }

  void StartStateHasEveryTechniqueOn() {
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2+ CBE3+ CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));
    PutGivens();
    Click("CBE3");  // off and on again: a recompute with the boxes as they started
    Click("CBE3");
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kAll));
  }

  void SwitchingSinglePositionTakesSingleCandidateAlong() {
    PutGivens();
    Click("CBE");
    QCOMPARE(States(),
             QStringLiteral("CBE- CBE2-# CBE3+ CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kLinesOnly));
    Click("CBE");
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2- CBE3+ CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kPositionAndLines));
    Click("CBE2");
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kAll));
  }

  void MasterBoxSwitchesAllThree() {
    PutGivens();
    Click("CBO");
    QCOMPARE(States(),
             QStringLiteral("CBE- CBE2-# CBE3- CBO- cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kNone));  // only what the Board excludes
    Click("CBO");
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2+ CBE3+ CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kAll));
  }

  void AdvancedLevel() {
    PutGivens();
    Click("rbh");  // from the start state, CBO checked: its chain takes CBE off too
    QCOMPARE(States(),
             QStringLiteral("CBE- CBE2-# CBE3-# CBO-# cbsz+# Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kNone));

    Click("rbk");  // CBO already off: CBE comes back, Candidate Lines stays as it was
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2- CBE3- CBO- cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kPositionOnly));
    QVERIFY(!w_->Find<QCheckBox>("CBX")->isEnabled());

    Click("rbh");  // after "K" CBO is already off, so CBE stays on
    QCOMPARE(States(),
             QStringLiteral("CBE+ CBE2-# CBE3-# CBO-# cbsz+# Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kPositionOnly));
  }

  void MasterLevelThenBeginner() {
    PutGivens();
    Click("rbm");
    QCOMPARE(States(),
             QStringLiteral("CBE-# CBE2-# CBE3-# CBO-# cbsz+# Bfel=shown# Bel=hidden S=hidden"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kNone));

    Click("rbk");
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2- CBE3- CBO- cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kPositionOnly));
    // A beginner may switch everything back on.
    Click("CBO");
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2+ CBE3+ CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kAll));
  }

  void OnlyTheLevelBeingCheckedApplies() {
    // With CBO checked again from code, "K" ends with its own chain; the preset of the level
    // being left must not run first (it would leave CBO off and CBE on).
    for (const char* level : {"rbh", "rbm"}) {
      Click(level);
      w_->Find<QCheckBox>("CBO")->setChecked(true);
      QVERIFY(w_->Find<QCheckBox>("CBE")->isChecked() && w_->Find<QCheckBox>("CBE3")->isChecked());
      Click("rbk");
      QCOMPARE(States(),
               QStringLiteral("CBE- CBE2-# CBE3- CBO- cbsz- Bfel=hidden Bel=shown S=shown"));
    }
  }

  void ShowHideCaptionsFit() {
    w_->window->ensurePolished();
    for (const char* name : {"Bfel", "Bel"}) {
      auto* button = w_->Find<QPushButton>(name);
      button->ensurePolished();
      QStyleOptionButton option;
      option.initFrom(button);
      const QRect room =
          button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
      QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= room.width(), name);
    }
  }

  void LabelsFollowTheBoardWhileHidden() {
    Click("Bel");
    QCOMPARE(States(),
             QStringLiteral("CBE+ CBE2+ CBE3+ CBO+ cbsz- Bfel=shown Bel=hidden S=hidden"));
    PutGivens();
    Click("CBE3");  // a recompute while the labels are hidden
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kPositionAndCandidate));
    Click("Bfel");
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2+ CBE3- CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kPositionAndCandidate));
  }

  void OnlyRealChangesRunHandlers() {
    auto& tabla = *w_->window;
    auto* s12 = tabla.play_page().grid().LocateCellLabels(1, 2)->candidates;
    tabla.play_page().grid().SetGivenCell(1, 1, 5);  // not recomputed yet: S12 still offers 5
    QCOMPARE(s12->text(), QStringLiteral("123456789"));

    // Setting boxes to the state they have runs nothing.
    for (const char* name : {"CBE", "CBE2", "CBE3", "CBO"}) {
      w_->Find<QCheckBox>(name)->setChecked(true);
    }
    w_->Find<QCheckBox>("CBX")->setChecked(false);
    w_->Find<QRadioButton>("rbk")->setChecked(true);  // the "K" preset would take CBO off
    QCOMPARE(s12->text(), QStringLiteral("123456789"));
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2+ CBE3+ CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));

    // The hidden boxes recompute too when they really change.
    w_->Find<QCheckBox>("CBE9")->setChecked(true);
    QVERIFY(!s12->text().contains(QLatin1Char('5')));
    QCOMPARE(LabelTexts(), CoreTexts("115", kAll));

    // A real change from code runs the whole chain.
    w_->Find<QCheckBox>("CBE")->setChecked(false);
    QCOMPARE(States(),
             QStringLiteral("CBE- CBE2-# CBE3+ CBO+ cbsz- Bfel=hidden Bel=shown S=shown"));
    tabla.play_page().grid().SetGivenCell(9, 9, 9);
    w_->Find<QCheckBox>("CBX")->setChecked(true);
    QCOMPARE(LabelTexts(), CoreTexts("115999", kLinesOnly));
  }

  void PresetsRunWhenCheckedFromCode() {
    PutGivens();
    w_->Find<QRadioButton>("rbh")->setChecked(true);
    QCOMPARE(States(),
             QStringLiteral("CBE- CBE2-# CBE3-# CBO-# cbsz+# Bfel=hidden Bel=shown S=shown"));
    w_->Find<QRadioButton>("rbm")->setChecked(true);
    QCOMPARE(States(),
             QStringLiteral("CBE-# CBE2-# CBE3-# CBO-# cbsz+# Bfel=shown# Bel=hidden S=hidden"));
    QVERIFY(!w_->Find<QCheckBox>("CBE5D")->isEnabled() && !w_->Find<QCheckBox>("CBX")->isEnabled());
    w_->Find<QRadioButton>("rbk")->setChecked(true);
    QCOMPARE(States(), QStringLiteral("CBE+ CBE2- CBE3- CBO- cbsz- Bfel=hidden Bel=shown S=shown"));
    QCOMPARE(LabelTexts(), CoreTexts(givens_, kPositionOnly));
  }

 private:
  void PutGivens() {
    const std::string& g = givens_;
    for (size_t i = 0; i + 2 < g.size(); i += 3) {
      w_->window->play_page().grid().SetGivenCell(g[i] - '0', g[i + 1] - '0', g[i + 2] - '0');
    }
  }

  // A user's click on the named button or box.
  void Click(const char* name) {
    auto* button = w_->Find<QAbstractButton>(name);
    QVERIFY2(button != nullptr, name);
    button->click();
  }

  // "+" checked, "-" unchecked, "#" disabled; then the show/hide buttons and the candidate
  // labels ("mixed" when the 81 labels disagree).
  QString States() const {
    QStringList parts;
    for (const char* name : {"CBE", "CBE2", "CBE3", "CBO", "cbsz"}) {
      const auto* box = w_->Find<QCheckBox>(name);
      parts << QString::fromLatin1(name) + (box->isChecked() ? "+" : "-") +
                   (box->isEnabled() ? "" : "#");
    }
    for (const char* name : {"Bfel", "Bel"}) {
      const auto* button = w_->Find<QPushButton>(name);
      parts << QString::fromLatin1(name) + (button->isHidden() ? "=hidden" : "=shown") +
                   (button->isEnabled() ? "" : "#");
    }
    int hidden = 0;
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        hidden += w_->window->play_page().grid().LocateCellLabels(row, col)->candidates->isHidden();
      }
    }
    parts << (hidden == 0 ? "S=shown" : hidden == 81 ? "S=hidden" : "S=mixed");
    return parts.join(QLatin1Char(' '));
  }

  QStringList LabelTexts() const {
    QStringList texts;
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        texts << w_->window->play_page().grid().LocateCellLabels(row, col)->candidates->text();
      }
    }
    return texts;
  }

  std::unique_ptr<PlayFolder> folder_;
  std::unique_ptr<WindowUnderTest> w_;
  std::string givens_;
};

QTEST_MAIN(AidsTest)
#include "aids_test.moc"
