#pragma once
// Page 2, "Összesítés": every player's best time on every puzzle of the numbered levels, built
// again each time the page is opened.
#include <QTableView>

#include "app/table_set.h"

namespace kvadrix::app {

class HandlerGuard;
class SummaryModel;

class SummaryPage {
 public:
  struct Controls {
    QTableView* Racs = nullptr;
  };

  SummaryPage(QWidget* page, TableSet& tables, HandlerGuard& guard);
  ~SummaryPage();
  SummaryPage(const SummaryPage&) = delete;
  SummaryPage& operator=(const SummaryPage&) = delete;
  const Controls& controls() const { return ui_; }

  // Reads the players and results again and rebuilds the summary.
  void ShowSummary();

 private:
  TableSet& tables_;
  HandlerGuard& guard_;
  Controls ui_;
  SummaryModel* model_ = nullptr;
};

}  // namespace kvadrix::app
