// Category lookups and the library's text search.
#include "tasks/library_search.h"

#include <algorithm>

#include "calculator/history_list.h"
#include "storage/profile_syntax.h"
#include "tasks/library_model.h"
#include "tasks/library_text.h"

namespace tarvix {
namespace {

// Whether a text may hold the upper-cased needle: it holds, in some case,
// the needle's first byte. The lead byte of a letter of Latin-1 and Latin
// Extended-A is the same in both cases, except for ÿ/Ÿ, and ı and ſ, whose
// capitals are the ASCII I and S.
bool MayHold(std::string_view text, char first) {
    auto holds = [text](char c) { return text.find(c) != std::string_view::npos; };
    if (first >= 'A' && first <= 'Z') {
        const bool dotlessOrLongS = (first == 'I' || first == 'S') && holds(first == 'I' ? '\xC4' : '\xC5');
        return holds(first) || holds(static_cast<char>(first + 32)) || dotlessOrLongS;
    }
    return holds(first) || (first == '\xC5' && holds('\xC3'));
}

// Whether `text`, upper-cased into `buffer`, holds the upper-cased `needle`.
bool HoldsUpper(std::string_view text, std::string_view needle, std::string& buffer) {
    if (text.size() < needle.size() || !MayHold(text, needle.front())) return false;
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
    // The categories are ranked once (the hits of one category follow each
    // other), so the hits compare by a number and their comment.
    struct Category {
        std::string Key;
        std::size_t Rank = 0;
    };
    std::vector<Category> categories;
    std::vector<std::size_t> categoryOf(hits.size());
    for (std::size_t i = 0; i < hits.size(); ++i) {
        if (i == 0 || hits[i].Node != hits[i - 1].Node) categories.push_back({SortKey(hits[i].Category)});
        categoryOf[i] = categories.size() - 1;
    }
    std::vector<std::size_t> order(categories.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return categories[a].Key < categories[b].Key; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        const Category& previous = categories[order[i - 1]];
        categories[order[i]].Rank = previous.Rank + (previous.Key == categories[order[i]].Key ? 0 : 1);
    }

    struct Keyed {
        std::size_t Rank;
        std::string Comment;
        std::size_t Index;
    };
    std::vector<Keyed> keys;
    keys.reserve(hits.size());
    for (std::size_t i = 0; i < hits.size(); ++i) {
        keys.push_back({categories[categoryOf[i]].Rank, SortKey(hits[i].Comment), i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        return std::tie(a.Rank, a.Comment) < std::tie(b.Rank, b.Comment);
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
