// Hexadecimal, binary and octal texts of a value: the 64-bit two's complement
// pattern of the value truncated toward zero.
#pragma once

#include <string>

#include "calculator/calculator_messages.h"
#include "engine/engine_modes.h"

namespace tarvix {

// The pattern's digits without leading zeros ("0" for zero) and the base's
// letter: "h" (a "0" goes in front when the first digit is a letter, so 255
// shows as 0FFh and −1 as 0FFFFFFFFFFFFFFFFh), "b" or "o". With the prefix
// style a hexadecimal text is "0x" and the digits (0xFF). A value outside the
// signed 64-bit range, infinite or NaN gives the replaceable text
// calcmsg::BaseRangeExceeded. The decimal base is not handled here (the text
// is empty).
std::string BaseText(long double x, TNumericalBase base, bool hexPrefixStyle,
                     const CalculatorMessageTable& texts);

}  // namespace tarvix
