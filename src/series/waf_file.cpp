// Decoding of WAF recordings.
#include "series/waf_file.h"

namespace tarvix {

WafChannels DecodeWaf(std::string_view bytes) {
    WafChannels channels;
    if (bytes.size() < 2 * kWafBlockSize) return channels;
    channels.Channel1.reserve(kWafBlockSize);
    channels.Channel2.reserve(kWafBlockSize);
    for (std::size_t i = 0; i < kWafBlockSize; ++i) {
        const int b1 = static_cast<unsigned char>(bytes[i]);
        const int b2 = static_cast<unsigned char>(bytes[kWafBlockSize + i]);
        channels.Channel1.push_back(static_cast<long double>(b1 - 128) * kWafScale1);
        channels.Channel2.push_back(static_cast<long double>(b2 - 128) * kWafScale2);
    }
    return channels;
}

}  // namespace tarvix
