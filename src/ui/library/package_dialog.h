// TPackageDialog: the check-box tree of a library package. For an import it
// shows the package file's categories, for an export the library's own; the
// user checks the categories to take (checking a category checks its whole
// subtree, and so does unchecking), and the confirming button ("&Dokončit
// import" / "&Dokončit export") ends the dialog with them.
#pragma once

#include <QDialog>
#include <vector>

#include "tasks/library_tree.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tarvix {

class TextCatalog;

class TPackageDialog : public QDialog {
    Q_OBJECT

public:
    TPackageDialog(const LibraryTree& tree, bool import, TextCatalog& texts, QWidget* parent);

    QTreeWidget* Tree() const { return tree_; }
    // The item of a category of the tree (nullptr for an unknown id).
    QTreeWidgetItem* Item(LibraryNodeId id) const;
    // The checked categories in tree order.
    std::vector<LibraryNodeId> Checked() const;

private:
    void ItemChanged(QTreeWidgetItem* item);

    QTreeWidget* tree_ = nullptr;
    bool propagating_ = false;
};

}  // namespace tarvix
