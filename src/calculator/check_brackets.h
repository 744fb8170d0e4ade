// The bracket check of a box's text: the first redundant ")" or a missing ")".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvix {

enum class BracketFaultKind : std::uint8_t { Redundant, Missing };

// Where the caret goes for the fault, as byte offsets into the text: the
// redundant bracket selected (length 1), or the caret at the end (length 0).
struct BracketFault {
    BracketFaultKind Kind = BracketFaultKind::Missing;
    std::size_t Start = 0;
    std::size_t Length = 0;

    friend bool operator==(const BracketFault&, const BracketFault&) = default;
};

// Counts "(" up and ")" down: the first ")" taking the count below zero is
// redundant; a positive count at the end means a missing bracket.
std::optional<BracketFault> FindBracketFault(std::string_view text);

}  // namespace tarvix
