// The polynomial sine and cosine kernels of the reduced angle agree with the
// library's sinl and cosl to the last bits on the whole reduced range, so a
// wrong coefficient shows here even where fifteen digits would hide it.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/trig_kernels.h"

namespace tarvix::testing {
namespace {

// Difference in units of the last place of the library's value (the kernels
// are within 0.77 units of the true value, the library within 0.52).
long double UlpsApart(long double kernel, long double library) {
    return fabsl(kernel - library) / ldexpl(1.0L, ilogbl(library) - 63);
}

TEST(TrigKernelsTest, MatchTheLibraryOnTheReducedRange) {
    constexpr long double kLimit = 0.7853981633974483096L * 1.001L;  // pi/4 and rounding
    constexpr int kSteps = 20000;
    long double worstSine = 0, worstCosine = 0;
    for (int i = -kSteps; i <= kSteps; ++i) {
        // Equal steps plus an irrational offset, so the arguments use every bit.
        long double r = kLimit * (i + 0.41421356237309504880L) / kSteps;
        worstSine = fmaxl(worstSine, UlpsApart(trig_kernels::Sine(r), sinl(r)));
        worstCosine = fmaxl(worstCosine, UlpsApart(trig_kernels::Cosine(r), cosl(r)));
    }
    EXPECT_LE(worstSine, 1.0L);
    EXPECT_LE(worstCosine, 1.0L);
}

TEST(TrigKernelsTest, TinyAndZeroArguments) {
    // Below 2^-32 the sine rounds to its argument and the cosine to 1; the
    // square underflows for the smallest ones.
    for (long double r : {0x1p-33L, 0x1p-40L, 1e-300L, 0x1p-16440L}) {
        SCOPED_TRACE(static_cast<double>(r));
        EXPECT_EQ(trig_kernels::Sine(r), r);
        EXPECT_EQ(trig_kernels::Sine(-r), -r);
        EXPECT_EQ(trig_kernels::Cosine(r), 1.0L);
    }
    EXPECT_EQ(trig_kernels::Sine(0x1p-20L), sinl(0x1p-20L));
    EXPECT_EQ(trig_kernels::Sine(0.0L), 0.0L);
    EXPECT_EQ(trig_kernels::Cosine(0.0L), 1.0L);
}

}  // namespace
}  // namespace tarvix::testing
