// Finding things in the expression library: a category by the start of its
// name (the incremental search of the tool bar, and RUN name), a category by
// its path, and the text search of the search window with its hit list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tasks/library_tree.h"

namespace tarvix {

class LibraryModel;

// The first category in tree order whose name begins with `typed`, both
// upper-cased; nullptr when none does or `typed` is empty.
LibraryNode* FindCategoryByPrefix(const LibraryTree& tree, std::string_view typed);

// The category a task name (RUN name) means: the first one in tree order
// whose name equals the name without regard to case, else the first one
// whose name begins with it.
LibraryNode* FindTaskCategory(const LibraryTree& tree, std::string_view name);

// The category named by a path of names from the top level joined by "/"
// ("Geometrie/Kruh"), compared without regard to case; the first match at
// each level. nullptr when there is none.
LibraryNode* FindCategoryPath(const LibraryTree& tree, std::string_view path);

// The toggles of the search window.
struct LibrarySearchOptions {
    bool Names = true;     // "Prohledat názvy kategorií"
    bool Rows = true;      // "Prohledat komentáře a úlohy": explanation, comment, expression
    bool Subtree = false;  // "Prohledat podkategorie": only the selected category and below
};

// One hit: its category (by id, so two categories of one name stay apart),
// the row within it (0-based), the category name and the row's comment
// (empty for a hit on the name alone).
struct LibraryHit {
    LibraryNodeId Node = 0;
    int Row = 0;
    std::string Category;
    std::string Comment;
    friend bool operator==(const LibraryHit&, const LibraryHit&) = default;
};

// The hits of a search, in tree order. The text is trimmed and compared
// upper-cased; an empty text finds nothing. A name hit is listed once, on
// the category's first row (together with that row's own hit); each row
// whose text holds the search text is one hit. With Subtree the scope is
// `selected` and its subtree (nothing when no category is selected).
std::vector<LibraryHit> SearchLibrary(const LibraryTree& tree, std::string_view text,
                                      const LibrarySearchOptions& options,
                                      const LibraryNode* selected);

// Orders hits by category name, then comment, both upper-cased and trimmed;
// equal ones keep their order.
void SortHits(std::vector<LibraryHit>& hits);

// The search window's state and commands without the window.
class LibraryFind {
public:
    std::string Text;                        // the search box
    LibrarySearchOptions Options;            // the three toggles
    std::vector<std::string> History;        // the search box's list, newest first
    int HistoryLimit = 20;

    // "Najdi text" is enabled: a text, and names or rows to search.
    bool CanFind() const;
    // Runs the search on the library: the text enters the history; the hits
    // are sorted and the first one becomes current. False (nothing changed,
    // the history neither) when the trimmed text is empty.
    bool Find(const LibraryModel& library);

    const std::vector<LibraryHit>& Hits() const { return hits_; }
    // The current hit (-1 none).
    int Current() const { return current_; }
    void SetCurrent(int index);
    // Status bar: the number of hits (empty when there are none), and the
    // path of the current hit's category (names joined by "\ ").
    std::string CountText() const;
    std::string PathText(const LibraryModel& library) const;
    // "Jít k nalezené položce" is enabled: the current hit's category is
    // still in the library.
    bool CanGo(const LibraryModel& library) const;
    // Selects the current hit's category and row in the library.
    bool Go(LibraryModel& library) const;
    // Empties the hit list (the window closes).
    void ClearHits();

private:
    std::vector<LibraryHit> hits_;
    int current_ = -1;
};

}  // namespace tarvix
