// Page 2, "Összesítés": every player's best time on every puzzle of the numbered levels.
#include <QHeaderView>

#include "app/summary_model.h"
#include "app/tabla.h"
#include "app/ui_look.h"
#include "app/widget_factory.h"

namespace kvadrix::app {

void TTabla::BuildSummaryPage(QWidget* page) {
  ui_.Racs = Named(new QTableView(page), "Racs", QRect(8, 8, 737, 610));
  summary_model_ = new SummaryModel(cdsOsszes_, this);
  ui_.Racs->setModel(summary_model_);
  ui_.Racs->setSelectionBehavior(QAbstractItemView::SelectRows);
  ui_.Racs->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ui_.Racs->setTabKeyNavigation(true);
  ui_.Racs->setFont(UiFont(12));
  ui_.Racs->horizontalHeader()->setFont(UiFont(11));
  ui_.Racs->verticalHeader()->setDefaultSectionSize(20);
  ui_.Racs->verticalHeader()->setFixedWidth(14);  // the row indicator column
  ui_.Racs->setColumnWidth(0, 110);
  ui_.Racs->setColumnWidth(1, 45);
  for (int column = 2; column <= 6; ++column) {
    ui_.Racs->setColumnWidth(column, 112);
    ui_.Racs->setColumnHidden(column, true);  // player columns appear when the summary is built
  }
}

}  // namespace kvadrix::app
