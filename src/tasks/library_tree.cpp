// The category tree of the expression library.
#include "tasks/library_tree.h"

#include <algorithm>
#include <utility>

#include "engine/name_utils.h"

namespace tarvix {

const std::string& LibraryRow::Cell(LibraryCell cell) const {
    switch (cell) {
        case LibraryCell::Explanation: return Explanation;
        case LibraryCell::Comment: return Comment;
        case LibraryCell::Expression: break;
    }
    return Expression;
}

std::string& LibraryRow::Cell(LibraryCell cell) {
    return const_cast<std::string&>(static_cast<const LibraryRow&>(*this).Cell(cell));
}

bool IsTaskRow(const LibraryRow& row) {
    std::string_view text = row.Expression;
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    return EqualsNoCase(text, "TASK");
}

LibraryNode::LibraryNode(std::string name, std::vector<LibraryRow> rows)
    : Name(std::move(name)), Rows(std::move(rows)) {}

LibraryNode* LibraryNode::Parent() const {
    return parent_ && !parent_->isRoot_ ? parent_ : nullptr;
}

std::size_t LibraryNode::IndexInParent() const {
    if (!parent_) return 0;
    const auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const auto& sibling) { return sibling.get() == this; });
    return static_cast<std::size_t>(it - siblings.begin());
}

int LibraryNode::Depth() const {
    int depth = 0;
    for (const LibraryNode* p = Parent(); p; p = p->Parent()) ++depth;
    return depth;
}

bool LibraryNode::Contains(const LibraryNode* node) const {
    for (; node; node = node->parent_) {
        if (node == this) return true;
    }
    return false;
}

std::unique_ptr<LibraryNode> LibraryNode::Clone() const {
    auto copy = std::make_unique<LibraryNode>(Name, Rows);
    copy->children_.reserve(children_.size());
    for (const auto& child : children_) {
        auto childCopy = child->Clone();
        childCopy->parent_ = copy.get();
        copy->children_.push_back(std::move(childCopy));
    }
    return copy;
}

namespace {

template <typename Visit>
void VisitSubtrees(const std::vector<std::unique_ptr<LibraryNode>>& nodes, Visit& visit) {
    for (const auto& node : nodes) {
        visit(*node);
        VisitSubtrees(node->Children(), visit);
    }
}

}  // namespace

std::unique_ptr<LibraryNode> LibraryTree::MakeRoot() {
    auto root = std::make_unique<LibraryNode>();
    root->isRoot_ = true;
    return root;
}

LibraryTree::LibraryTree() : root_(MakeRoot()) {}

// A tree moved from is left empty and usable.
LibraryTree::LibraryTree(LibraryTree&& other) : LibraryTree() {
    *this = std::move(other);
}

LibraryTree& LibraryTree::operator=(LibraryTree&& other) {
    if (this != &other) {
        root_ = std::exchange(other.root_, MakeRoot());
        count_ = std::exchange(other.count_, 0);
        nextId_ = other.nextId_;
    }
    return *this;
}

LibraryTree::~LibraryTree() = default;

LibraryNode* LibraryTree::First() const {
    return Empty() ? nullptr : root_->children_.front().get();
}

void LibraryTree::Adopt(LibraryNode& node) {
    if (node.id_ == 0) node.id_ = nextId_++;
    if (node.Rows.empty()) node.Rows.emplace_back();
    ++count_;
    for (auto& child : node.children_) {
        child->parent_ = &node;
        Adopt(*child);
    }
}

void LibraryTree::CountOut(const LibraryNode& node) {
    --count_;
    for (const auto& child : node.children_) CountOut(*child);
}

LibraryNode* LibraryTree::Insert(LibraryNode* parent, std::size_t index,
                                 std::unique_ptr<LibraryNode> node) {
    LibraryNode* owner = parent ? parent : root_.get();
    index = std::min(index, owner->children_.size());
    node->parent_ = owner;
    Adopt(*node);
    LibraryNode* inserted = node.get();
    owner->children_.insert(owner->children_.begin() + static_cast<std::ptrdiff_t>(index),
                            std::move(node));
    return inserted;
}

LibraryNode* LibraryTree::Append(LibraryNode* parent, std::unique_ptr<LibraryNode> node) {
    LibraryNode* owner = parent ? parent : root_.get();
    return Insert(parent, owner->children_.size(), std::move(node));
}

std::unique_ptr<LibraryNode> LibraryTree::Detach(LibraryNode* node) {
    auto& siblings = node->parent_->children_;
    auto it = siblings.begin() + static_cast<std::ptrdiff_t>(node->IndexInParent());
    std::unique_ptr<LibraryNode> detached = std::move(*it);
    siblings.erase(it);
    detached->parent_ = nullptr;
    CountOut(*detached);
    return detached;
}

bool LibraryTree::Move(LibraryNode* node, LibraryNode* parent, std::size_t index) {
    if (parent && node->Contains(parent)) return false;
    LibraryNode* owner = parent ? parent : root_.get();
    // Removing the node first shifts the later siblings of the same parent.
    if (node->parent_ == owner && node->IndexInParent() < index) --index;
    Insert(parent, index, Detach(node));
    return true;
}

void LibraryTree::ForEach(const std::function<void(LibraryNode&)>& visit) const {
    VisitSubtrees(root_->children_, visit);
}

std::vector<LibraryNode*> LibraryTree::Nodes() const {
    std::vector<LibraryNode*> nodes;
    nodes.reserve(count_);
    auto collect = [&nodes](LibraryNode& node) { nodes.push_back(&node); };
    VisitSubtrees(root_->children_, collect);
    return nodes;
}

LibraryNode* LibraryTree::Next(const LibraryNode* node) {
    if (!node->children_.empty()) return node->children_.front().get();
    for (const LibraryNode* n = node; n->parent_; n = n->parent_) {
        const auto& siblings = n->parent_->children_;
        const std::size_t index = n->IndexInParent();
        if (index + 1 < siblings.size()) return siblings[index + 1].get();
    }
    return nullptr;
}

LibraryNode* LibraryTree::Find(LibraryNodeId id) const {
    LibraryNode* found = nullptr;
    auto match = [&found, id](LibraryNode& node) {
        if (node.Id() == id) found = &node;
    };
    VisitSubtrees(root_->children_, match);
    return found;
}

std::string NodePath(const LibraryNode& node, std::string_view separator) {
    std::vector<const LibraryNode*> chain;
    for (const LibraryNode* n = &node; n; n = n->Parent()) chain.push_back(n);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!path.empty() || it != chain.rbegin()) path += separator;
        path += (*it)->Name;
    }
    return path;
}

}  // namespace tarvix
