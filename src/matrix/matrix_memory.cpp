// The matrix memory and its index lines.
#include "matrix/matrix_memory.h"

#include "calculator/text_trim.h"
#include "calculator/value_format.h"

namespace tarvix {
namespace {

std::string TwoDigits(int number) {
    std::string text = std::to_string(number);
    return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::string MatrixMemory::NextNumberText() const { return TwoDigits(nextNumber_); }

std::string MatrixMemory::TypeText(int rows, int cols) {
    return std::to_string(rows) + "x" + std::to_string(cols);
}

int MatrixMemory::Add(int rows, int cols, std::string_view note) {
    if (TrimBlanks(note).empty()) return -1;
    index_.push_back(NextNumberText() + '\t' + TypeText(rows, cols) + '\t' + std::string(note));
    matrices_.emplace_back();
    ++nextNumber_;
    return Count() - 1;
}

bool MatrixMemory::Remove(int index) {
    if (index < 0 || index >= Count()) return false;
    matrices_.erase(matrices_.begin() + index);
    index_.erase(index_.begin() + index);
    return true;
}

void MatrixMemory::Clear() {
    matrices_.clear();
    index_.clear();
    nextNumber_ = 1;
}

bool MatrixMemory::Store(int index, const CMatrix& m) {
    if (index < 0 || index >= Count()) return false;
    matrices_[index] = m;
    std::string& line = index_[index];
    const std::size_t first = line.find('\t');
    const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
    if (second != std::string::npos)
        line = line.substr(0, first + 1) + TypeText(m.Rows(), m.Cols()) + line.substr(second);
    return true;
}

const CMatrix* MatrixMemory::At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &matrices_[index];
}

std::string MatrixMemory::Preview(int index, const FormatOptions& format) const {
    const CMatrix* m = At(index);
    if (!m) return {};
    std::string text;
    for (int i = 0; i < m->Rows() && i < 10; ++i) {
        if (i > 0) text += '\n';
        for (int j = 0; j < m->Cols() && j < 10; ++j) {
            if (j > 0) text += ' ';
            text += TrimBlanks(FormatValueText((*m)(i, j), format));
        }
    }
    return text;
}

}  // namespace tarvix
