#include "app/summary_model.h"

#include <QColor>

namespace kvadrix::app {

SummaryModel::SummaryModel(tables::TableStore& store, QObject* parent)
    : QAbstractTableModel(parent),
      store_(store),
      titles_{QStringLiteral("Nehézség"),
              QStringLiteral("Sorszám"),
              QString(),
              QString(),
              QString(),
              QString(),
              QString()} {
  store_.SetChangeListener([this] {
    if (!store_.ControlsDisabled()) Refresh();
  });
}

void SummaryModel::SetTitle(int column, const QString& title) {
  if (column < 0 || column >= titles_.size()) return;
  titles_[column] = title;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void SummaryModel::Refresh() {
  beginResetModel();
  rows_ = store_.Active() ? store_.RecordCount() : 0;
  endResetModel();
}

int SummaryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int SummaryModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(titles_.size());
}

QVariant SummaryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ || index.column() >= store_.FieldCount()) return {};
  if (role == Qt::DisplayRole) {
    return QString::fromStdString(store_.ViewValue(index.row(), index.column()));
  }
  if (role == Qt::TextAlignmentRole) {
    return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
  }
  if (role == Qt::BackgroundRole && store_.ViewValue(index.row(), 0).empty()) {
    return QColor(255, 0, 0);  // a separator row between two levels
  }
  return {};
}

QVariant SummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return QString();
  return section < titles_.size() ? titles_[section] : QVariant();
}

}  // namespace kvadrix::app
