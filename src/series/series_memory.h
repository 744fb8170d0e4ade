// Whether the points of a series run fit into memory: the bytes a run keeps
// per point (the current series, the transfer vector and its stored copy, a
// first parametric pass kept in memory) against the memory the system can
// still give, so that a run too large for the machine is refused before it
// starts instead of growing until it is killed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace tarvix {

// The bytes the system can still give the process: MemAvailable of
// /proc/meminfo, lowered to what the address-space limit (ulimit -v) leaves;
// nothing when neither is known.
std::optional<std::uint64_t> AvailableMemory();

// A source of that figure (tests put in a small machine).
using MemoryProbe = std::function<std::optional<std::uint64_t>()>;

// What a run keeps per point.
struct SeriesFootprint {
    bool RealArrays = true;      // X and Y of the real domain
    bool Rows = false;           // the Re and Im rows (complex domain, parametric passes)
    bool Transfer = false;       // the transfer vector and the variable's copy of it
    bool LinesInMemory = false;  // a first parametric pass kept as text lines
};
std::uint64_t BytesPerPoint(const SeriesFootprint& footprint);

// A run of `points` fits when its bytes stay within three quarters of the
// available memory (the rest is left to the program and the system). Unknown
// memory never refuses.
bool SeriesFits(long double points, const SeriesFootprint& footprint,
                std::optional<std::uint64_t> available);

}  // namespace tarvix
