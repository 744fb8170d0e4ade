// The tree of categories and its drops.
#include "ui/library/library_tree_view.h"

#include <QDropEvent>

#include "ui/library/library_tree_model.h"

namespace tarvix {

TLibraryTreeView::TLibraryTreeView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("TreeView"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setUniformRowHeights(true);  // a large library scrolls without measuring every row
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

LibraryTreeModel* TLibraryTreeView::TreeModel() const {
    return qobject_cast<LibraryTreeModel*>(model());
}

CategoryDrop TLibraryTreeView::DropPlace(const QModelIndex& target,
                                         CategoryDropAt position) const {
    const LibraryTreeModel* tree = TreeModel();
    LibraryNode* node = tree ? tree->Node(target) : nullptr;
    if (!node || position == CategoryDropAt::EmptyArea) {
        return {nullptr, static_cast<std::size_t>(tree ? tree->rowCount() : 0)};
    }
    switch (position) {
        case CategoryDropAt::OnCategory: return {node, node->ChildCount()};
        case CategoryDropAt::Above: return {node->Parent(), node->IndexInParent()};
        default: return {node->Parent(), node->IndexInParent() + 1};
    }
}

CategoryDropAt TLibraryTreeView::DropAtOf(DropIndicatorPosition position) {
    switch (position) {
        case QAbstractItemView::OnItem: return CategoryDropAt::OnCategory;
        case QAbstractItemView::AboveItem: return CategoryDropAt::Above;
        case QAbstractItemView::BelowItem: return CategoryDropAt::Below;
        default: return CategoryDropAt::EmptyArea;
    }
}

void TLibraryTreeView::dropEvent(QDropEvent* event) {
    const LibraryTreeModel* tree = TreeModel();
    LibraryNode* dragged = tree ? tree->Node(currentIndex()) : nullptr;
    if (event->source() != this || !dragged) {
        event->ignore();
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    const CategoryDrop place = DropPlace(target, DropAtOf(dropIndicatorPosition()));
    // A copy action: the drag that started here removes nothing afterwards.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setState(NoState);
    viewport()->update();
    emit CategoryDropped(dragged, place);
}

}  // namespace tarvix
