// The library's categories as an item model.
#include "ui/library/library_tree_model.h"

#include "ui/widgets/qt_text.h"

namespace tarvix {

LibraryTreeModel::LibraryTreeModel(LibraryModel& library, QObject* parent)
    : QAbstractItemModel(parent), library_(library) {}

void LibraryTreeModel::SetHeader(const QString& caption) {
    header_ = caption;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void LibraryTreeModel::BeginChange() {
    beginResetModel();
}

void LibraryTreeModel::EndChange() {
    endResetModel();
}

LibraryNode* LibraryTreeModel::Node(const QModelIndex& index) const {
    return index.isValid() ? static_cast<LibraryNode*>(index.internalPointer()) : nullptr;
}

QModelIndex LibraryTreeModel::IndexOf(const LibraryNode* node) const {
    if (!node) return {};
    return createIndex(static_cast<int>(node->IndexInParent()), 0, const_cast<LibraryNode*>(node));
}

QModelIndex LibraryTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const LibraryNode* parentNode = Node(parent);
    const auto& children = parentNode ? parentNode->Children() : library_.Tree().TopLevel();
    if (static_cast<std::size_t>(row) >= children.size()) return {};
    return createIndex(row, 0, children[static_cast<std::size_t>(row)].get());
}

QModelIndex LibraryTreeModel::parent(const QModelIndex& child) const {
    const LibraryNode* node = Node(child);
    return node ? IndexOf(node->Parent()) : QModelIndex();
}

int LibraryTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    const LibraryNode* node = Node(parent);
    return static_cast<int>(node ? node->ChildCount() : library_.Tree().TopLevel().size());
}

int LibraryTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

bool LibraryTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant LibraryTreeModel::data(const QModelIndex& index, int role) const {
    const LibraryNode* node = Node(index);
    if (!node || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole))
        return {};
    return ToQ(node->Name);
}

bool LibraryTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    LibraryNode* node = Node(index);
    if (!node || role != Qt::EditRole) return false;
    if (!library_.RenameCategory(*node, ToStd(value.toString()))) return false;
    emit dataChanged(index, index);
    emit Renamed(node);
    return true;
}

QVariant LibraryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole) return header_;
    return {};
}

Qt::ItemFlags LibraryTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return library_.EditMode() ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (library_.EditMode())
        flags |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return flags;
}

Qt::DropActions LibraryTreeModel::supportedDropActions() const {
    return Qt::MoveAction;
}

// The view's drop answers with a copy, so that the drag removes nothing
// after the library model has moved the category.
Qt::DropActions LibraryTreeModel::supportedDragActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

}  // namespace tarvix
