// Fuzz target: random texts compiled and evaluated in every mode must never
// crash, hang or leak; engine errors are the expected outcome for most inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine_modes.h"
#include "engine/parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvix;
    if (size < 1) return 0;
    const std::uint8_t modes = data[0];
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

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
