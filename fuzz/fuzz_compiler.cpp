// Fuzz target: random texts compiled and evaluated in every mode must never
// crash, hang or leak; engine errors are the expected outcome for most inputs.
//
// Input: a mode byte, then the text. With the mode's top bit set, two count
// bytes follow and the text is "head\nmiddle\ntail": the compiled text is
// head repeated count times, the middle and tail repeated count times, so a
// short input nests or chains as deep as 65,536 levels (the repeated parts
// are kept within about 200,000 characters).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine_modes.h"
#include "engine/parser.h"

constexpr std::size_t kMaxRepeatedLength = 200000;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvix;
    if (size < 1) return 0;
    const std::uint8_t modes = data[0];
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if ((modes & 0x80) && size >= 3) {
        const std::size_t count = 1 + (std::size_t(data[1]) | std::size_t(data[2]) << 8);
        const std::string_view pattern(reinterpret_cast<const char*>(data + 3), size - 3);
        const std::size_t first = pattern.find('\n');
        const std::size_t second =
            first == std::string_view::npos ? first : pattern.find('\n', first + 1);
        const std::string_view head = pattern.substr(0, first);
        const std::string_view middle = first == std::string_view::npos
                                            ? std::string_view()
                                            : pattern.substr(first + 1, second - first - 1);
        const std::string_view tail =
            second == std::string_view::npos ? std::string_view() : pattern.substr(second + 1);
        const std::size_t repeats = std::min(
            count, kMaxRepeatedLength / std::max<std::size_t>(1, head.size() + tail.size()));
        text.clear();
        for (std::size_t i = 0; i < repeats; ++i) text += head;
        text += middle;
        for (std::size_t i = 0; i < repeats; ++i) text += tail;
    }

    EngineModes = EngineModesBlock{};
    EngineModes.ImaginaryUnitChar = (modes & 0x40) ? 'j' : 'i';
    TParser parser;
    parser.SetNumericalScope((modes & 1) ? nsComplex : nsReal);
    parser.SetNumericalBase(static_cast<TNumericalBase>((modes >> 1) & 3));
    parser.SetAngleUnits(static_cast<TAngleUnits>(((modes >> 3) & 3) % 3));
    parser.SetAutoRegisterVar((modes & 0x20) == 0);
    parser.SetVariable("x", {1.5L, -0.5L});
    parser.SetVariable("dx", {0.25L});
    parser.SetVariable("x1", {0});
    parser.SetVariable("x2", {1});
    try {
        parser.SetExpression(text);
        parser.Evaluate();
        parser.Evaluate();
    } catch (const TarvixError&) {
    }
    return 0;
}
