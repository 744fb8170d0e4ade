// The matrix memory: the program-wide list of stored matrices with the
// parallel list of entry descriptions (`MemoryIndex`), one line per entry:
// the sequence number (two digits at least), a tab, the type "rows x
// columns" ("%dx%d"), a tab, the user's note. Results are stored into a
// chosen entry and loaded back from it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculator/format_options.h"
#include "matrix/matrix_types.h"

namespace tarvix {

class MatrixMemory {
public:
    int Count() const { return static_cast<int>(matrices_.size()); }
    const std::vector<std::string>& MemoryIndex() const { return index_; }
    const TMatrices& Matrices() const { return matrices_; }

    // The number the next entry gets ("01", "02", …).
    std::string NextNumberText() const;
    // "rows x columns" as the type field shows it.
    static std::string TypeText(int rows, int cols);
    // Appends an entry with an empty matrix slot; returns its index. An empty
    // note is refused (returns −1), as the dialog's add button is disabled then.
    int Add(int rows, int cols, std::string_view note);
    // Removes one entry (later entries move up); false for a bad index.
    bool Remove(int index);
    void Clear();

    // Stores a copy of m into the entry (resized to it) and updates its type.
    bool Store(int index, const CMatrix& m);
    // The entry's matrix; nullptr for a bad index.
    const CMatrix* At(int index) const;
    // Up to 10 × 10 formatted elements, cells separated by blanks, rows by line breaks.
    std::string Preview(int index, const FormatOptions& format) const;

private:
    TMatrices matrices_;
    std::vector<std::string> index_;
    int nextNumber_ = 1;
};

}  // namespace tarvix
