// The vector table's operations.
#include "series/var_vectors.h"

#include <algorithm>
#include <limits>

#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "engine/name_utils.h"
#include "engine/parser_messages.h"

namespace tarvix {

int VarVectors::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (EqualsNoCase(names_[i], name)) return static_cast<int>(i);
    }
    return -1;
}

const ParserFloatArray& VarVectors::FindVector(std::string_view name) const {
    static const ParserFloatArray kNone;
    const int i = IndexOf(name);
    return i < 0 ? kNone : vectors_[i];
}

bool VarVectors::HasVector(std::string_view name) const {
    return !FindVector(name).empty();
}

bool VarVectors::StoreTransfer(bool varAsVector) {
    if (!varAsVector || TransferName.empty()) return false;
    int i = IndexOf(TransferName);
    if (i < 0) {
        names_.push_back(TransferName);
        vectors_.emplace_back();
        i = static_cast<int>(names_.size()) - 1;
    }
    // Handed over, not copied: a vector of millions of elements is held once.
    vectors_[i] = std::move(TransferVector);
    TransferVector.clear();
    return true;
}

void VarVectors::ClearVector(std::string_view name) {
    const int i = IndexOf(name);
    if (i >= 0) ParserFloatArray().swap(vectors_[i]);
}

void VarVectors::ClearAllVectors() {
    names_.clear();
    vectors_.clear();
}

bool VarVectors::AnyVector() const {
    return std::ranges::any_of(vectors_, [](const auto& v) { return !v.empty(); });
}

bool VarVectors::AnyUsedVector(const TParser& parser) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (!vectors_[i].empty() && parser.IsUsedVariable(names_[i])) return true;
    }
    return false;
}

std::string VarVectors::ShortestVectorHigh(const TParser& parser) const {
    std::size_t shortest = std::numeric_limits<std::size_t>::max();
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (!vectors_[i].empty() && parser.IsUsedVariable(names_[i]))
            shortest = std::min(shortest, vectors_[i].size());
    }
    if (shortest == std::numeric_limits<std::size_t>::max()) return "-1";
    return std::to_string(shortest - 1);
}

std::vector<VarVectors::Binding> VarVectors::Bind(TParser& parser) const {
    std::vector<Binding> bindings;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (vectors_[i].empty()) continue;
        if (ComplexValue* slot = parser.VariableAddress(names_[i]))
            bindings.push_back({slot, &vectors_[i]});
    }
    return bindings;
}

void VarVectors::SetElements(const std::vector<Binding>& bindings, std::size_t index,
                             bool complexDomain) {
    for (const Binding& b : bindings) {
        if (index >= b.Vector->size()) {
            *b.Slot = {};
            continue;
        }
        const ComplexValue& e = (*b.Vector)[index];
        b.Slot->Re = e.Re;
        b.Slot->Im = complexDomain ? e.Im : 0.0L;
    }
}

void VarVectors::SetVectorElements(TParser& parser, std::size_t index, bool complexDomain) const {
    SetElements(Bind(parser), index, complexDomain);
}

std::string VectorLabelHint(const ParserFloatArray& vector, const FormatOptions& options,
                            std::string_view countPattern) {
    if (vector.empty()) return {};
    const std::string count = std::to_string(vector.size());
    return FormatMessageText(countPattern, {count}) + "\n" +
           std::string(TrimBlanks(FormatValueText(vector.front(), options))) + "..." +
           std::string(TrimBlanks(FormatValueText(vector.back(), options)));
}

}  // namespace tarvix
