// Packages of the expression library: the checked categories of a library
// (in the check-box tree of the export or import) as a library of their own.
#pragma once

#include <vector>

#include "tasks/library_tree.h"

namespace tarvix {

// A copy of the checked categories with their rows: each one under its
// nearest checked ancestor, or at the top level when it has none, so a
// checked subtree keeps its shape and the checked children of an unchecked
// category move up. Names are cleaned of the characters that would corrupt
// a file. Ids that are not in the tree are ignored.
LibraryTree ExtractChecked(const LibraryTree& tree, const std::vector<LibraryNodeId>& checked);

}  // namespace tarvix
