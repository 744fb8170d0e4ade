// Category lookups and the library's text search.
#include "tasks/library_search.h"

#include <algorithm>

#include "calculator/history_list.h"
#include "storage/profile_syntax.h"
#include "tasks/library_model.h"
#include "tasks/library_text.h"

namespace tarvix {
namespace {

// Whether `text`, upper-cased into `buffer`, holds the upper-cased `needle`.
bool HoldsUpper(std::string_view text, std::string_view needle, std::string& buffer) {
    if (text.size() < needle.size()) return false;
    UpperCaseInto(text, buffer);
    return buffer.find(needle) != std::string::npos;
}

bool RowHolds(const LibraryRow& row, std::string_view needle, std::string& buffer) {
    return HoldsUpper(row.Explanation, needle, buffer) || HoldsUpper(row.Comment, needle, buffer) ||
           HoldsUpper(row.Expression, needle, buffer);
}

std::string SortKey(std::string_view text) {
    return UpperCased(TrimProfileBlanks(text));
}

}  // namespace

LibraryNode* FindCategoryByPrefix(const LibraryTree& tree, std::string_view typed) {
    if (typed.empty()) return nullptr;
    const std::string prefix = UpperCased(typed);
    std::string buffer;
    LibraryNode* found = nullptr;
    // Only the start of each name is upper-cased: upper-casing never makes a
    // text longer and at most halves a character's bytes.
    for (LibraryNode* node : tree.Nodes()) {
        UpperCaseInto(std::string_view(node->Name).substr(0, 2 * prefix.size()), buffer);
        if (buffer.starts_with(prefix)) {
            found = node;
            break;
        }
    }
    return found;
}

LibraryNode* FindTaskCategory(const LibraryTree& tree, std::string_view name) {
    const std::string wanted = UpperCased(TrimProfileBlanks(name));
    if (wanted.empty()) return nullptr;
    std::string buffer;
    for (LibraryNode* node : tree.Nodes()) {
        UpperCaseInto(node->Name, buffer);
        if (buffer == wanted) return node;
    }
    return FindCategoryByPrefix(tree, wanted);
}

LibraryNode* FindCategoryPath(const LibraryTree& tree, std::string_view path) {
    const auto* level = &tree.TopLevel();
    LibraryNode* node = nullptr;
    std::string buffer;
    while (true) {
        const std::size_t slash = path.find('/');
        const std::string wanted = UpperCased(path.substr(0, slash));
        auto it = std::find_if(level->begin(), level->end(), [&](const auto& candidate) {
            UpperCaseInto(candidate->Name, buffer);
            return buffer == wanted;
        });
        if (it == level->end()) return nullptr;
        node = it->get();
        if (slash == std::string_view::npos) return node;
        path.remove_prefix(slash + 1);
        level = &node->Children();
    }
}

std::vector<LibraryHit> SearchLibrary(const LibraryTree& tree, std::string_view text,
                                      const LibrarySearchOptions& options,
                                      const LibraryNode* selected) {
    std::vector<LibraryHit> hits;
    const std::string needle = UpperCased(TrimProfileBlanks(text));
    if (needle.empty() || (options.Subtree && !selected)) return hits;

    std::string buffer;
    auto searchNode = [&](const LibraryNode& node) {
        const bool nameHit = options.Names && HoldsUpper(node.Name, needle, buffer);
        for (std::size_t j = 0; j < node.Rows.size(); ++j) {
            const LibraryRow& row = node.Rows[j];
            if (options.Rows && RowHolds(row, needle, buffer)) {
                hits.push_back({node.Id(), static_cast<int>(j), node.Name, row.Comment});
            } else if (nameHit && j == 0) {
                hits.push_back({node.Id(), 0, node.Name, {}});
            }
        }
    };
    if (options.Subtree) {
        const LibraryNode* end = selected;
        // The selected category, then its subtree in tree order.
        searchNode(*selected);
        for (const LibraryNode* node = LibraryTree::Next(selected);
             node && end->Contains(node); node = LibraryTree::Next(node)) {
            searchNode(*node);
        }
    } else {
        tree.ForEach(searchNode);
    }
    return hits;
}

void SortHits(std::vector<LibraryHit>& hits) {
    struct Keyed {
        std::string Category;
        std::string Comment;
        std::size_t Index;
    };
    std::vector<Keyed> keys;
    keys.reserve(hits.size());
    for (std::size_t i = 0; i < hits.size(); ++i) {
        keys.push_back({SortKey(hits[i].Category), SortKey(hits[i].Comment), i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        return std::tie(a.Category, a.Comment) < std::tie(b.Category, b.Comment);
    });
    std::vector<LibraryHit> sorted;
    sorted.reserve(hits.size());
    for (const Keyed& key : keys) sorted.push_back(std::move(hits[key.Index]));
    hits = std::move(sorted);
}

// --- The search window's model

bool LibraryFind::CanFind() const {
    return !TrimProfileBlanks(Text).empty() && (Options.Names || Options.Rows);
}

bool LibraryFind::Find(const LibraryModel& library) {
    if (TrimProfileBlanks(Text).empty()) return false;
    AddToHistory(History, Text, HistoryLimit);
    hits_ = SearchLibrary(library.Tree(), Text, Options, library.SelectedNode());
    SortHits(hits_);
    current_ = hits_.empty() ? -1 : 0;
    return true;
}

void LibraryFind::SetCurrent(int index) {
    current_ = index >= 0 && index < static_cast<int>(hits_.size()) ? index : -1;
}

std::string LibraryFind::CountText() const {
    return hits_.empty() ? std::string() : std::to_string(hits_.size());
}

std::string LibraryFind::PathText(const LibraryModel& library) const {
    if (current_ < 0) return {};
    const LibraryNode* node = library.FindNode(hits_[static_cast<std::size_t>(current_)].Node);
    return node ? NodePath(*node, "\\ ") : std::string();
}

bool LibraryFind::CanGo(const LibraryModel& library) const {
    return current_ >= 0 && library.FindNode(hits_[static_cast<std::size_t>(current_)].Node);
}

bool LibraryFind::Go(LibraryModel& library) const {
    return current_ >= 0 && library.GoTo(hits_[static_cast<std::size_t>(current_)]);
}

void LibraryFind::ClearHits() {
    hits_.clear();
    current_ = -1;
}

}  // namespace tarvix
