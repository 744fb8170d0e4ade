// TLibraryTreeView: the library window's tree of categories. A category
// dragged onto another one becomes its last subcategory; dropped between two
// it goes there; dropped on the empty area it goes to the end of the top
// level. The view moves nothing itself: it reports the drop, and the window
// moves the category in the library model.
#pragma once

#include <QTreeView>
#include <cstddef>
#include <cstdint>

namespace tarvix {

class LibraryNode;
class LibraryTreeModel;

// Where a dragged category goes: under `Parent` (nullptr: the top level) at
// `Index` among its children as they are before the move.
struct CategoryDrop {
    LibraryNode* Parent = nullptr;
    std::size_t Index = 0;
};

// Where on the view a category is dropped.
enum class CategoryDropAt : std::uint8_t { OnCategory, Above, Below, EmptyArea };

class TLibraryTreeView : public QTreeView {
    Q_OBJECT

public:
    explicit TLibraryTreeView(QWidget* parent = nullptr);

    LibraryTreeModel* TreeModel() const;
    // The place of a drop on `target` (invalid: the empty area) at `position`.
    CategoryDrop DropPlace(const QModelIndex& target, CategoryDropAt position) const;

signals:
    // The current category dropped at a place.
    void CategoryDropped(LibraryNode* node, CategoryDrop place);

protected:
    void dropEvent(QDropEvent* event) override;

private:
    static CategoryDropAt DropAtOf(DropIndicatorPosition position);
};

}  // namespace tarvix
