// LibraryTreeModel: the categories of the expression library as a Qt item
// model of one column ("Kategorie") over the library model's tree. Indexes
// carry their LibraryNode; the view asks only for what it shows, so a large
// library opens at once. Names are edited through the library model (edit
// mode, cleaned names); a structural command runs between BeginChange and
// EndChange, which reset the model.
#pragma once

#include <QAbstractItemModel>
#include <QString>

#include "tasks/library_model.h"

namespace tarvix {

class LibraryTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit LibraryTreeModel(LibraryModel& library, QObject* parent = nullptr);

    // The view's header caption.
    void SetHeader(const QString& caption);
    // A structural change of the tree (new, moved or removed categories,
    // another library) happens between these two: every index is new after it.
    void BeginChange();
    void EndChange();

    LibraryNode* Node(const QModelIndex& index) const;
    QModelIndex IndexOf(const LibraryNode* node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

signals:
    // A category was renamed through the view.
    void Renamed(LibraryNode* node);

private:
    LibraryModel& library_;
    QString header_;
};

}  // namespace tarvix
