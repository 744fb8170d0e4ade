// The large library of the library benchmarks: 5,000 categories (50
// top-level ones, each with 99 below it in three levels) of 20 rows each,
// about 10 MB once written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tasks/library_tree.h"

namespace tarvix::bench {

constexpr int kTopLevel = 50;
constexpr int kPerTopLevel = 100;  // the top-level category and 99 below it
constexpr int kRows = 20;

inline LibraryRow LargeLibraryRow(int category, int row) {
    const std::string id = std::to_string(category) + "_" + std::to_string(row);
    LibraryRow r;
    r.Explanation = "mode rad,dec,real\nr=2\t[m]\tpoloměr\nv=3,5\t[m]\tvýška\n'č. " + id;
    r.Comment = "Objem válce " + id;
    r.Expression = "pi*r^2*v";
    return r;
}

inline LibraryTree LargeLibrary() {
    LibraryTree tree;
    int category = 0;
    auto make = [&category] {
        std::vector<LibraryRow> rows;
        for (int j = 0; j < kRows; ++j) rows.push_back(LargeLibraryRow(category, j));
        return std::make_unique<LibraryNode>("Kategorie č. " + std::to_string(category++),
                                             std::move(rows));
    };
    for (int t = 0; t < kTopLevel; ++t) {
        LibraryNode* top = tree.Append(nullptr, make());
        LibraryNode* level1 = nullptr;
        LibraryNode* level2 = nullptr;
        for (int k = 1; k < kPerTopLevel; ++k) {
            // Every tenth one under the top, the others two and three levels down.
            if (k % 10 == 1) {
                level1 = tree.Append(top, make());
            } else if (k % 10 == 2) {
                level2 = tree.Append(level1, make());
            } else {
                tree.Append(level2, make());
            }
        }
    }
    return tree;
}

}  // namespace tarvix::bench
