// The WAF recording file (read only): two consecutive blocks of 2048 bytes,
// channel 1 and channel 2, each byte one sample in offset binary: value =
// (byte − 128) × scale, the scale 0.0004 for channel 1 and 4.0 for channel 2.
// The samples are equidistant with the step 20/2048.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tarvix {

inline constexpr std::size_t kWafBlockSize = 2048;
inline constexpr long double kWafStep = 0.009765625L;
inline constexpr long double kWafScale1 = 0.0004L;
inline constexpr long double kWafScale2 = 4.0L;

struct WafChannels {
    std::vector<long double> Channel1;
    std::vector<long double> Channel2;
};

// The two channels of the first 4096 bytes; nothing readable (an empty
// result) when fewer bytes are given.
WafChannels DecodeWaf(std::string_view bytes);

}  // namespace tarvix
