// VarVectors: the vector table of the main window (variable name to a
// series of complex values) with the working vector of the current transfer
// or run (TransferVector, TransferName), and the table's operations used by
// the transfers and the series engine.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator/format_options.h"
#include "engine/complex_value.h"
#include "engine/parser.h"

namespace tarvix {

class VarVectors {
public:
    // The vector stored under the name (ASCII case ignored); empty when none.
    const ParserFloatArray& FindVector(std::string_view name) const;
    // An entry with the name exists and its vector is not empty.
    bool HasVector(std::string_view name) const;
    // With `varAsVector` on and a TransferName: the entry of TransferName
    // (appended when missing) takes TransferVector, which is left empty.
    // Returns whether it stored.
    bool StoreTransfer(bool varAsVector);
    // Empties the vector of the entry; the entry stays.
    void ClearVector(std::string_view name);
    // Empties every vector and both lists.
    void ClearAllVectors();
    // Some non-empty vector belongs to a variable the current expression uses.
    bool AnyUsedVector(const TParser& parser) const;
    // The smallest last index over the non-empty vectors of used variables,
    // as decimal text; "-1" when there is none.
    std::string ShortestVectorHigh(const TParser& parser) const;
    // Every known variable with a non-empty vector takes element [index]
    // (the real part; in the complex domain both parts); a shorter vector
    // gives 0.
    void SetVectorElements(TParser& parser, std::size_t index, bool complexDomain) const;

    // The variables' slots and vectors for a run: SetVectorElements without
    // the name look-ups. Valid while the table and the variables stay.
    struct Binding {
        ComplexValue* Slot;
        const ParserFloatArray* Vector;
    };
    std::vector<Binding> Bind(TParser& parser) const;
    static void SetElements(const std::vector<Binding>& bindings, std::size_t index,
                            bool complexDomain);

    bool AnyVector() const;
    const std::vector<std::string>& Names() const { return names_; }
    const std::vector<ParserFloatArray>& Vectors() const { return vectors_; }

    // The working vector of the current transfer or run and its target name.
    ParserFloatArray TransferVector;
    std::string TransferName;

private:
    int IndexOf(std::string_view name) const;

    std::vector<std::string> names_;
    std::vector<ParserFloatArray> vectors_;
};

// The hint of a variable label with a vector: the element count and "prvků"
// (the replaceable pattern "%sprvků"), a line break, then the first element,
// "..." and the last element in the display format.
std::string VectorLabelHint(const ParserFloatArray& vector, const FormatOptions& options,
                            std::string_view countPattern);

}  // namespace tarvix
