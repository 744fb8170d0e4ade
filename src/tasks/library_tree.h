// The expression library's data: an ordered tree of named categories, each
// holding a list of rows (explanation, comment, expression). Nodes keep their
// identity (address and id) while they stay in the tree, also when moved, so
// a window, a selection or a search hit can point at them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// The three text cells of a row, in the file's order.
enum class LibraryCell : std::uint8_t { Explanation = 0, Comment = 1, Expression = 2 };

struct LibraryRow {
    std::string Explanation;  // several lines, separated by "\n"
    std::string Comment;      // one line; a task's title
    std::string Expression;   // one line, or "TASK" for a task

    const std::string& Cell(LibraryCell cell) const;
    std::string& Cell(LibraryCell cell);
    friend bool operator==(const LibraryRow&, const LibraryRow&) = default;
};

// A row whose expression is the word TASK (any case, blanks around ignored).
bool IsTaskRow(const LibraryRow& row);

// Unique within one tree for the tree's lifetime; 0 before a node joins a tree.
using LibraryNodeId = std::uint64_t;

class LibraryNode {
public:
    LibraryNode() = default;
    LibraryNode(std::string name, std::vector<LibraryRow> rows);
    LibraryNode(const LibraryNode&) = delete;
    LibraryNode& operator=(const LibraryNode&) = delete;

    std::string Name;
    // Never empty while the node is in a tree: a category without rows holds
    // one empty row.
    std::vector<LibraryRow> Rows;

    LibraryNodeId Id() const { return id_; }
    // The parent category; nullptr for a top-level category (and the root).
    LibraryNode* Parent() const;
    const std::vector<std::unique_ptr<LibraryNode>>& Children() const { return children_; }
    std::size_t ChildCount() const { return children_.size(); }
    LibraryNode* Child(std::size_t index) const { return children_[index].get(); }
    // The position among the parent's children (linear in their number).
    std::size_t IndexInParent() const;
    // 0 for a top-level category.
    int Depth() const;
    // Whether `node` is this node or lies in its subtree.
    bool Contains(const LibraryNode* node) const;
    // A deep copy of the subtree, without ids (they are given on insertion).
    std::unique_ptr<LibraryNode> Clone() const;

private:
    friend class LibraryTree;
    LibraryNodeId id_ = 0;
    LibraryNode* parent_ = nullptr;  // the tree's root for top-level nodes
    bool isRoot_ = false;
    std::vector<std::unique_ptr<LibraryNode>> children_;
};

class LibraryTree {
public:
    LibraryTree();
    LibraryTree(LibraryTree&&);
    LibraryTree& operator=(LibraryTree&&);
    ~LibraryTree();

    // The top-level categories.
    const std::vector<std::unique_ptr<LibraryNode>>& TopLevel() const { return root_->children_; }
    bool Empty() const { return root_->children_.empty(); }
    std::size_t NodeCount() const { return count_; }
    // The first category in tree order; nullptr when the tree is empty.
    LibraryNode* First() const;

    // Inserts a subtree under `parent` (nullptr: the top level) at `index`
    // (clamped to the number of children); nodes without an id get one, and a
    // node without rows gets one empty row. Returns the inserted node.
    LibraryNode* Insert(LibraryNode* parent, std::size_t index, std::unique_ptr<LibraryNode> node);
    LibraryNode* Append(LibraryNode* parent, std::unique_ptr<LibraryNode> node);
    // Takes a node with its subtree out of the tree; the nodes keep their ids.
    std::unique_ptr<LibraryNode> Detach(LibraryNode* node);
    // Moves a node with its subtree under `parent` (nullptr: top level) at
    // `index` among the new siblings (counted before the move). Refused
    // (false) when `parent` lies in the node's own subtree.
    bool Move(LibraryNode* node, LibraryNode* parent, std::size_t index);

    // Every category in tree order: depth first, parents before children,
    // siblings in order. `visit` may not change the tree.
    void ForEach(const std::function<void(LibraryNode&)>& visit) const;
    std::vector<LibraryNode*> Nodes() const;
    // The next category in tree order after `node` (nullptr after the last).
    static LibraryNode* Next(const LibraryNode* node);
    // The node with this id; nullptr when it is no longer in the tree.
    LibraryNode* Find(LibraryNodeId id) const;

private:
    static std::unique_ptr<LibraryNode> MakeRoot();
    void Adopt(LibraryNode& node);
    void CountOut(const LibraryNode& node);

    std::unique_ptr<LibraryNode> root_;
    std::size_t count_ = 0;
    LibraryNodeId nextId_ = 1;
};

// The names from the top level down to the node, joined by `separator`.
std::string NodePath(const LibraryNode& node, std::string_view separator);

}  // namespace tarvix
