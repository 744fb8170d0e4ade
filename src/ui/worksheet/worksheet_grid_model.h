// A worksheet grid (TextGrid of the Worksheet model) as a Qt table model, and
// the delegate that draws its cells: the diagonal on light grey, the
// right-hand-side column of the equations mode on the tool-tip colour,
// search marks on light cyan, text 2 pixels in from the left and top. The
// grid's row 0 and column 0 are the view's headers; data cells are 1-based in
// the model and 0-based in Qt.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <functional>

#include "matrix/worksheet.h"

namespace tarvix {

class WorksheetGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // What a cell is for the delegate's colours (the value of CellKindRole).
    enum CellKind { Plain = 0, Diagonal = 1, RightHandSide = 2, Marked = 4 };
    static constexpr int CellKindRole = Qt::UserRole + 1;

    // A grid of the worksheet: edits mark it modified; the left grid's cells
    // have the diagonal and right-hand-side colours.
    WorksheetGridModel(Worksheet& sheet, bool rightGrid, QObject* parent = nullptr);
    // Any other text grid (the variant window's); read-only unless editable.
    WorksheetGridModel(const TextGrid& grid, bool editable, QObject* parent = nullptr);

    TextGrid& Grid() const { return *grid_; }
    bool IsRightGrid() const { return right_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The grid's size or many texts changed under the model.
    void Reload();
    // One cell changed under the model (a watched element).
    void CellChanged(int row, int column);
    // Cells are read-only while a computation runs.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

signals:
    // The user changed a cell's text.
    void CellEdited(int row, int column);

private:
    Worksheet* sheet_ = nullptr;
    TextGrid* grid_;
    bool right_ = true;
    bool readOnly_ = false;
};

class WorksheetCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Called after Enter has committed an edited cell (the window moves the
    // cell cursor on).
    void SetAfterEnter(std::function<void()> afterEnter) { afterEnter_ = std::move(afterEnter); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    std::function<void()> afterEnter_;
};

}  // namespace tarvix
