#pragma once
// The summary grid's view of the SummaryTable store: one row per record of its view, one column
// per field; refreshed whenever the store reports a change, unless its controls are disabled.
#include <QAbstractTableModel>
#include <QStringList>

#include "tables/table_store.h"

namespace kvadrix::app {

class SummaryModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  SummaryModel(tables::TableStore& store, QObject* parent);

  void SetTitle(int column, const QString& title);
  void Refresh();  // rereads the whole store

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  tables::TableStore& store_;
  QStringList titles_;
  int rows_ = 0;
};

}  // namespace kvadrix::app
