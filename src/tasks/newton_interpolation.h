// INTERP: resampling a tabulated function with Newton's forward-difference
// interpolation polynomial through equally spaced nodes.
#pragma once

#include <cstdint>
#include <vector>

namespace tarvix {

// The most samples (1754! is the largest factorial of the extended range)
// and the most nodes a resampling takes.
inline constexpr long kMaxInterpolationSamples = 1754;
inline constexpr std::size_t kMaxInterpolationNodes = 41;

enum class InterpolationFault : std::uint8_t {
    None,
    TooManySamples,  // n > 1754
    TooFewSamples,   // n < 2
    TooManyNodes,    // more than 41 nodes
    Lengths,         // x and y differ in length (or are empty)
    NotEquidistant,  // the x values are not equally spaced
};

struct Interpolation {
    std::vector<long double> Samples;
    InterpolationFault Fault = InterpolationFault::None;
};

// The polynomial through (x[i], y[i]) sampled n times from x[0] to the last
// node with the step (x_last − x0) / (n − 1), so the last sample is the last
// node.
Interpolation NewtonResample(const std::vector<long double>& x, const std::vector<long double>& y,
                             long n);

}  // namespace tarvix
