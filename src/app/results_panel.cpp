#include "app/results_panel.h"

#include "app/core_text.h"
#include "app/widget_factory.h"
#include "players/best_results.h"
#include "widgets/plain_label.h"

namespace kvadrix::app {

ResultsPanel::ResultsPanel(QWidget* page, const game::GameSession& session, TableSet& tables)
    : session_(session), tables_(tables) {
  ui_.GroupBox3 = MakeGroup(page, "GroupBox3", QStringLiteral("Eredmények az adott játékról "),
                            QRect(545, 0, 210, 73));
  QWidget* results = ui_.GroupBox3;
  ui_.Lnevaki =
      MakeYellowLabel(results, "Lnevaki", FromCore(players::kBestSuffix), QRect(8, 16, 140, 16));
  ui_.Lnaeredmeny = MakeYellowLabel(results, "Lnaeredmeny", FromCore(players::kNoTime),
                                    QRect(150, 16, 56, 16), 11, true);
  ui_.GroupBox4 = Named(new QGroupBox(results), "GroupBox4", QRect(8, 34, 194, 2));
  ui_.Label5 = MakeYellowLabel(results, "Label5", QStringLiteral("A legjobb eredmény:"),
                               QRect(8, 38, 194, 16));
  ui_.Lnevvalaki = MakeYellowLabel(results, "Lnevvalaki", FromCore(players::kNoRecordHolder),
                                   QRect(8, 54, 140, 16));
  ui_.Lnveredmeny = MakeYellowLabel(results, "Lnveredmeny", FromCore(players::kNoTime),
                                    QRect(150, 54, 56, 16), 11, true);
}

void ResultsPanel::ShowPlayerName(const QString& name) {
  widgets::SetPlainText(ui_.Lnevaki, name + FromCore(players::kBestSuffix));
}

void ResultsPanel::ShowBestResults() {
  tables_.Follow(tables_.cdsjatekosok, players::kPlayerFile);
  tables_.Follow(tables_.cdsEredmenyek, players::kResultFile);
  const players::BestResultTexts texts = players::ShowBestResults(
      tables_.cdsEredmenyek, tables_.cdsjatekosok, session_.player().key, session_.PuzzleId());
  ui_.Lnaeredmeny->setText(QString::fromStdString(texts.player_best));
  widgets::SetPlainText(ui_.Lnevvalaki, QString::fromStdString(texts.holder_name));
  ui_.Lnveredmeny->setText(QString::fromStdString(texts.record_time));
}

}  // namespace kvadrix::app
