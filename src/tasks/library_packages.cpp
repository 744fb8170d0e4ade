// Extracting the checked categories of a library.
#include "tasks/library_packages.h"

#include <unordered_set>

#include "tasks/library_text.h"

namespace tarvix {
namespace {

struct Extraction {
    const std::unordered_set<LibraryNodeId>& Checked;
    LibraryTree& Package;

    // `into` is the copy of the nearest checked ancestor (nullptr: top level).
    void Visit(const LibraryNode& node, LibraryNode* into) {
        LibraryNode* target = into;
        if (Checked.contains(node.Id())) {
            auto copy = std::make_unique<LibraryNode>(CleanCategoryName(node.Name), node.Rows);
            target = Package.Append(into, std::move(copy));
        }
        for (const auto& child : node.Children()) Visit(*child, target);
    }
};

}  // namespace

LibraryTree ExtractChecked(const LibraryTree& tree, const std::vector<LibraryNodeId>& checked) {
    LibraryTree package;
    const std::unordered_set<LibraryNodeId> checkedSet(checked.begin(), checked.end());
    Extraction extraction{checkedSet, package};
    for (const auto& node : tree.TopLevel()) extraction.Visit(*node, nullptr);
    return package;
}

}  // namespace tarvix
