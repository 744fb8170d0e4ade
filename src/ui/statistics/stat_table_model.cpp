// The statistics table as an item model.
#include "ui/statistics/stat_table_model.h"

#include "ui/widgets/qt_text.h"

namespace tarvix {

StatTableModel::StatTableModel(StatTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int StatTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.RowCount();
}

int StatTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant StatTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    if (index.column() == 0) return QString::number(index.row() + 1);
    return ToQ(table_.Cell(index.column(), index.row()));
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The number column is only as wide as its numbers: its header starts at
    // the left edge, where it is cut short, and its hint shows it whole.
    if (role == Qt::TextAlignmentRole && section == 0)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < 3) return headers_[section];
    return {};
}

Qt::ItemFlags StatTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() > 0 && table_.EditMode()) flags |= Qt::ItemIsEditable;
    return flags;
}

bool StatTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == 0) return false;
    table_.SetCell(index.column(), index.row(), ToStd(value.toString()));
    emit dataChanged(index, index);
    if (edited_) edited_();
    return true;
}

void StatTableModel::Reset() {
    beginResetModel();
    endResetModel();
}

void StatTableModel::SetHeaders(QString number, QString x, QString y) {
    headers_[0] = std::move(number);
    headers_[1] = std::move(x);
    headers_[2] = std::move(y);
    emit headerDataChanged(Qt::Horizontal, 0, 2);
}

}  // namespace tarvix
