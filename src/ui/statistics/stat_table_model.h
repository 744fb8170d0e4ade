// StatTableModel: the statistics table (StatTable) as a Qt item model for
// the grid DataStringGrid: column 0 the row numbers, 1 the x texts, 2 the y
// texts. Texts become QStrings only when the view asks for a visible cell;
// nothing is created per cell up front.
#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "analysis/stat_table.h"

namespace tarvix {

class StatTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StatTableModel(StatTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The table changed wholesale (rows added, removed or replaced).
    void Reset();
    // The column headers ("Poř.číslo", "Hodnota x", "Hodnota y").
    void SetHeaders(QString number, QString x, QString y);
    // Called after a cell was typed into.
    void SetEdited(std::function<void()> edited) { edited_ = std::move(edited); }

private:
    StatTable& table_;
    QString headers_[3];
    std::function<void()> edited_;
};

}  // namespace tarvix
