// The formats of PRINT and MSG: user text with conversions, formatted by our
// own code (never by printf). The number conversions are the display's
// number masks: "%g" up to 15 significant digits, "%f" two decimals, "%e"
// one digit, the decimals, "E", the exponent's sign and at least three
// digits; "%1.Ng", "%1.Nf", "%1.Ne" (or "%.N…") set the digits or decimals.
// Besides them: "%d" "%i" (whole number), "%u" (unsigned), "%x" "%X"
// (hexadecimal), "%o" (octal), "%s" (the value as a text line) and "%%";
// flags "-" (left-aligned), "+" (sign), " " (blank for the sign), "0" (zero
// padding), "#" (0x / 0 prefix), a width and a precision. "%\" (the line
// break marker of messages) is kept as it stands.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calculator/format_options.h"
#include "engine/complex_value.h"

namespace tarvix {

enum class PrintFormatFault : std::uint8_t {
    None,
    CountMismatch,  // the conversions are not as many as the values
    Invalid,        // an unknown conversion, a "%" at the end, a width past the limit
    IntegerRange,   // a value that is no 64-bit whole number
};

struct PrintFormatResult {
    std::string Text;
    PrintFormatFault Fault = PrintFormatFault::None;
    std::string FaultValue;  // the value of an IntegerRange fault, as "%g" text
};

// Formats the values by the format. Numbers use the real part; "%s" writes
// the value as a vector element text (with its imaginary part in the complex
// domain). Whole-number conversions round half away from zero; "%u", "%x"
// and "%o" write a negative value in 64-bit two's complement.
PrintFormatResult FormatPrintText(std::string_view format, std::span<const ComplexValue> values,
                                  const FormatOptions& options);

}  // namespace tarvix
