#include "app/summary_page.h"

#include <QHeaderView>

#include "app/control_names.h"
#include "app/handler_guard.h"
#include "app/summary_model.h"
#include "app/widget_factory.h"
#include "players/summary.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {
namespace {

constexpr int kFirstPlayerColumn = 2;

}  // namespace

SummaryPage::SummaryPage(QWidget* page, TableSet& tables, HandlerGuard& guard)
    : tables_(tables), guard_(guard) {
  ui_.Racs = Named(new QTableView(page), "Racs", QRect(8, 8, 737, 610));
  model_ = new SummaryModel(tables_.cdsOsszes, ui_.Racs);
  ui_.Racs->setModel(model_);
  ui_.Racs->setSelectionBehavior(QAbstractItemView::SelectRows);
  ui_.Racs->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ui_.Racs->setTabKeyNavigation(true);
  ui_.Racs->setFont(widgets::UiFont(12));
  ui_.Racs->horizontalHeader()->setFont(widgets::UiFont(11));
  ui_.Racs->verticalHeader()->setDefaultSectionSize(20);
  ui_.Racs->verticalHeader()->setFixedWidth(14);  // the row indicator column
  ui_.Racs->setColumnWidth(0, 110);
  ui_.Racs->setColumnWidth(1, 45);
  for (int column = 2; column <= 6; ++column) {
    ui_.Racs->setColumnWidth(column, 112);
    ui_.Racs->setColumnHidden(column, true);  // player columns appear when the summary is built
  }
  NameControl(ui_.Racs, QStringLiteral("Összesítés"));
}

// The model outlives this page inside the window; the store must stop calling it first.
SummaryPage::~SummaryPage() { tables_.cdsOsszes.SetChangeListener({}); }

void SummaryPage::ShowSummary() {
  tables_.Follow(tables_.cdsjatekosok, players::kPlayerFile);
  tables_.Follow(tables_.cdsEredmenyek, players::kResultFile);
  const players::SummaryBuild built = players::BuildSummary(tables_.cdsOsszes, tables_.cdsjatekosok,
                                                            tables_.cds, tables_.cdsEredmenyek);
  if (!built.message.empty()) {
    guard_.Inform(built.message);
    return;
  }
  const int player_count = int(built.player_names.size());
  for (int k = 0; k < players::kSummaryPlayerColumns; ++k) {
    const int column = kFirstPlayerColumn + k;
    // A column of a deleted player goes away rather than keep a stale title.
    ui_.Racs->setColumnHidden(column, k >= player_count);
    if (k < player_count) {
      model_->SetTitle(column, QString::fromStdString(built.player_names[k]) +
                                   QString::fromUtf8(players::kBestSuffix));
    }
  }
  model_->Refresh();
}

}  // namespace kvadrix::app
