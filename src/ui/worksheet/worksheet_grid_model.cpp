// The worksheet grids as Qt models and their cell delegate.
#include "ui/worksheet/worksheet_grid_model.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "ui/widgets/qt_text.h"

namespace tarvix {

WorksheetGridModel::WorksheetGridModel(Worksheet& sheet, bool rightGrid, QObject* parent)
    : QAbstractTableModel(parent),
      sheet_(&sheet),
      grid_(rightGrid ? &sheet.RightGrid() : &sheet.LeftGrid()),
      right_(rightGrid) {}

// The grid is only written through setData, which refuses while read-only.
WorksheetGridModel::WorksheetGridModel(const TextGrid& grid, bool editable, QObject* parent)
    : QAbstractTableModel(parent), grid_(const_cast<TextGrid*>(&grid)), readOnly_(!editable) {}

int WorksheetGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Grid().Rows();
}

int WorksheetGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Grid().Cols();
}

QVariant WorksheetGridModel::data(const QModelIndex& index, int role) const {
    const int row = index.row() + 1, col = index.column() + 1;
    if (!index.isValid() || !Grid().Contains(row, col)) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return ToQ(Grid().Cell(row, col));
    case CellKindRole: {
        int kind = Plain;
        if (!right_ && row == col) kind |= Diagonal;
        if (!right_ && sheet_->Mode() == WorksheetMode::Equations && col == Grid().Cols())
            kind |= RightHandSide;
        if (sheet_ && sheet_->CellMarked(right_, row, col)) kind |= Marked;
        return kind;
    }
    default:
        return {};
    }
}

bool WorksheetGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int row = index.row() + 1, col = index.column() + 1;
    if (readOnly_ || role != Qt::EditRole || !Grid().Contains(row, col)) return false;
    const std::string text = ToStd(value.toString());
    if (text == Grid().Cell(row, col)) return true;
    Grid().SetCell(row, col, text);
    if (sheet_) sheet_->SetModified(true);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit CellEdited(row, col);
    return true;
}

Qt::ItemFlags WorksheetGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!readOnly_) f |= Qt::ItemIsEditable;
    return f;
}

QVariant WorksheetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= Grid().Cols()) return {};
        return ToQ(Grid().ColumnHeader(section + 1));
    }
    return section + 1;
}

void WorksheetGridModel::Reload() {
    beginResetModel();
    endResetModel();
}

void WorksheetGridModel::CellChanged(int row, int column) {
    const QModelIndex at = index(row - 1, column - 1);
    if (at.isValid()) emit dataChanged(at, at, {Qt::DisplayRole});
}

void WorksheetCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const int kind = index.data(WorksheetGridModel::CellKindRole).toInt();
    const bool selected = opt.state & QStyle::State_Selected;
    QColor background;
    if (kind & WorksheetGridModel::Marked)
        background = QColor(192, 255, 255);
    else if (kind & WorksheetGridModel::Diagonal)
        background = QColor(240, 240, 240);
    else if (kind & WorksheetGridModel::RightHandSide)
        background = opt.palette.color(QPalette::ToolTipBase);
    painter->save();
    if (selected)
        painter->fillRect(opt.rect, opt.palette.brush(QPalette::Highlight));
    else if (background.isValid())
        painter->fillRect(opt.rect, background);
    QColor textColour;
    if (selected)
        textColour = opt.palette.color(QPalette::HighlightedText);
    else if (background.isValid())
        textColour = kind & WorksheetGridModel::RightHandSide
                         ? opt.palette.color(QPalette::ToolTipText)
                         : QColor(Qt::black);
    else
        textColour = opt.palette.color(QPalette::Text);
    painter->setPen(textColour);
    painter->setFont(opt.font);
    const QRect textRect = opt.rect.adjusted(2, 2, -1, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, textRect.width()));
    if (opt.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(opt.palette.color(QPalette::Text), 1, Qt::DotLine));
        painter->drawRect(opt.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

bool WorksheetCellDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && afterEnter_) {
            auto* widget = qobject_cast<QWidget*>(editor);
            emit commitData(widget);
            emit closeEditor(widget, QAbstractItemDelegate::NoHint);
            QTimer::singleShot(0, this, [this] {
                if (afterEnter_) afterEnter_();
            });
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace tarvix
